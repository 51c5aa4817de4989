# Generated sounds, cursors, the program icon and the completion panels, added to the resource
# bundle.
set(SOUND_DIR ${CMAKE_BINARY_DIR}/resources/sounds)
set(ART_DIR ${CMAKE_BINARY_DIR}/resources/art)

set(SOUND_IDS 115 122 136 146)
set(SOUND_FILES "")
foreach(id IN LISTS SOUND_IDS)
  list(APPEND SOUND_FILES ${SOUND_DIR}/${id}.wav)
  list(APPEND BUNDLE_FILES "WAVE/${id}|${SOUND_DIR}/${id}.wav")
endforeach()
add_custom_command(OUTPUT ${SOUND_FILES}
  COMMAND ${VELMORA_MAKESOUNDS} ${SOUND_DIR}
  DEPENDS ${VELMORA_MAKESOUNDS}
  COMMENT "Making sounds"
  VERBATIM)

set(ART_FILES ${ART_DIR}/125.cur ${ART_DIR}/104.cur ${ART_DIR}/118.ico
  ${ART_DIR}/hicolor/256x256/apps/org.velmora.velmora.png)
list(APPEND BUNDLE_FILES
  "CURSOR/125|${ART_DIR}/125.cur"
  "CURSOR/104|${ART_DIR}/104.cur"
  "ICON/118|${ART_DIR}/118.ico")
# Panels: packed 8-bit DIBs, as a program's BITMAP resources hold them.
foreach(id 128 129 130 134)
  list(APPEND ART_FILES ${ART_DIR}/${id}.dib)
  list(APPEND BUNDLE_FILES "BITMAP/${id}|${ART_DIR}/${id}.dib")
endforeach()
add_custom_command(OUTPUT ${ART_FILES}
  COMMAND ${VELMORA_MAKEART} ${ART_DIR}
  DEPENDS ${VELMORA_MAKEART}
  COMMENT "Drawing cursors, icon and panels"
  VERBATIM)
