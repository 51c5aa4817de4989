# End-to-end tests: the real program under its own Xvfb, driven by xdotool.
find_program(PYTHON3 python3)
find_program(XVFB Xvfb)
find_program(XDOTOOL xdotool)
if(PYTHON3 AND XVFB AND XDOTOOL)
  # Works out the moves that solve the first puzzle, for test_complete_puzzle.py.
  add_executable(velmora_e2e_solver ${CMAKE_CURRENT_LIST_DIR}/solve_first_puzzle.cpp)
  target_link_libraries(velmora_e2e_solver PRIVATE velmora_test_support velmora_resources)
  # Lets a test see the texts the program shows (GTK_MODULES=<its path>).
  add_library(velmora_shown_texts MODULE ${CMAKE_CURRENT_LIST_DIR}/shown_texts_module.c)
  target_link_libraries(velmora_shown_texts PRIVATE PkgConfig::GTK3)
  file(GLOB E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/test_*.py)
  foreach(script IN LISTS E2E_SCRIPTS)
    get_filename_component(name ${script} NAME_WE)
    string(REGEX REPLACE "^test_" "e2e_" test_name ${name})
    add_test(NAME ${test_name}
      COMMAND ${PYTHON3} ${script} $<TARGET_FILE:velmora> $<TARGET_FILE:velmora_e2e_solver>)
    # Generous limits: on a busy machine the toolkit is slow to draw and answer, and a
    # limit only matters when a test hangs.
    set_tests_properties(${test_name} PROPERTIES LABELS e2e TIMEOUT 240
      ENVIRONMENT "PYTHONPATH=${CMAKE_CURRENT_LIST_DIR};PYTHONDONTWRITEBYTECODE=1;\
VELMORA_SHOWN_TEXTS_MODULE=$<TARGET_FILE:velmora_shown_texts>")
  endforeach()
  # Plays the first puzzle four times over (BMP, JPEG, glued in gold, wallpaper); two games
  # in two languages; the Debian package made, checked and run.
  set_tests_properties(e2e_complete_puzzle e2e_language e2e_package PROPERTIES TIMEOUT 600)
else()
  message(WARNING "python3, Xvfb or xdotool missing: end-to-end tests are not registered")
endif()
