# Tests of the Windows back end, built as one Windows program and run under Wine on a display
# of its own (Wine's windows need an X server) and in a Wine prefix of its own.
find_program(XVFB_RUN xvfb-run)
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
add_executable(win32_backend_test ${WIN32_TEST_SOURCES})
target_link_libraries(win32_backend_test PRIVATE velmora_win32 velmora_resources gtest_main)
target_compile_definitions(win32_backend_test PRIVATE VELMORA_BINARY_DIR="${CMAKE_BINARY_DIR}")
# The English dialogs are measured with the catalog as built.
add_dependencies(win32_backend_test velmora_catalogs)
if(XVFB_RUN)
  set(WIN32_TEST_COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24 -noreset"
      ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_backend_test> --gtest_brief=1)
  add_test(NAME windows_win32_backend
           COMMAND ${WIN32_TEST_COMMAND} --gtest_filter=-Win32DialogFontsEnglish.*)
  # A prefix of its own: the headless tests' wineserver, started without a display, would
  # otherwise be shared and refuse this program's windows. This prefix lacks the dialog
  # template's face and has a Japanese UI face, as a Windows without the optional Japanese
  # fonts.
  set_tests_properties(windows_win32_backend PROPERTIES LABELS windows TIMEOUT 300
                       ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-win32"
                       RESOURCE_LOCK wineprefix-win32 FIXTURES_REQUIRED wine_prefix_win32)
  add_test(NAME wine_prefix_win32
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/prepare_font_prefix.sh "MS UI Gothic")
  set_tests_properties(wine_prefix_win32 PROPERTIES FIXTURES_SETUP wine_prefix_win32
                       TIMEOUT 300 RESOURCE_LOCK wineprefix-win32
                       ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-win32")
  # The English texts, with an English display language (the catalog stays loaded once read,
  # so they run on their own).
  add_test(NAME windows_win32_dialogs_english
           COMMAND ${WIN32_TEST_COMMAND} --gtest_filter=Win32DialogFontsEnglish.*)
  set_tests_properties(windows_win32_dialogs_english PROPERTIES LABELS windows TIMEOUT 300
                       ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-win32;LANG=en_US.UTF-8"
                       RESOURCE_LOCK wineprefix-win32 FIXTURES_REQUIRED wine_prefix_win32)
  # The Japanese dialogs again where the template's face is installed, as on a Japanese
  # Windows.
  add_test(NAME windows_win32_dialogs_with_face
           COMMAND ${WIN32_TEST_COMMAND} --gtest_filter=Win32DialogFonts.*)
  set_tests_properties(windows_win32_dialogs_with_face PROPERTIES LABELS windows TIMEOUT 300
                       ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-face"
                       FIXTURES_REQUIRED wine_prefix_face)
  add_test(NAME wine_prefix_face
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/prepare_font_prefix.sh "ＭＳ Ｐゴシック")
  set_tests_properties(wine_prefix_face PROPERTIES FIXTURES_SETUP wine_prefix_face TIMEOUT 300
                       ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-face")
  # The DPI tests again on a desktop at 200 % (192 DPI), on a screen large enough for the
  # dialogs at that size.
  add_test(NAME windows_win32_high_dpi
           COMMAND ${XVFB_RUN} -a -s "-screen 0 2560x1600x24 -noreset"
                   ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_backend_test> --gtest_brief=1
                   --gtest_filter=Win32HighDpi.*:Win32DialogPlacement.*)
  set_tests_properties(windows_win32_high_dpi PROPERTIES LABELS windows TIMEOUT 300
                       ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-dpi192"
                       FIXTURES_REQUIRED wine_prefix_dpi192)
  add_test(NAME wine_prefix_dpi192
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/prepare_font_prefix.sh "MS UI Gothic" 192)
  set_tests_properties(wine_prefix_dpi192 PROPERTIES FIXTURES_SETUP wine_prefix_dpi192
                       TIMEOUT 300 ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-dpi192")
else()
  message(WARNING "xvfb-run missing: the Windows back end's tests are not registered")
endif()
