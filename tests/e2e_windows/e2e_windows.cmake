# End-to-end tests of velmora.exe under Wine on a private Xvfb, driven by xdotool. They share
# one Wine prefix, made once, and run one after another (a prefix has one wineserver).
find_program(PYTHON3 python3)
find_program(XVFB Xvfb)
find_program(XDOTOOL xdotool)
if(PYTHON3 AND XVFB AND XDOTOOL)
  set(E2E_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix-e2e)
  # Writes the nearly finished game that test_finish_game.py completes.
  add_executable(nearly_finished_game ${CMAKE_CURRENT_LIST_DIR}/nearly_finished_game.cpp)
  target_link_libraries(nearly_finished_game PRIVATE velmora_test_support velmora_resources)
  add_test(NAME windows_e2e_prefix COMMAND ${CMAKE_CURRENT_LIST_DIR}/prepare_prefix.sh)
  set_tests_properties(windows_e2e_prefix PROPERTIES FIXTURES_SETUP wine_e2e TIMEOUT 300
                       ENVIRONMENT "WINEPREFIX=${E2E_WINEPREFIX}" RESOURCE_LOCK wine_e2e)
  file(GLOB E2E_WINDOWS_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/test_*.py)
  foreach(script IN LISTS E2E_WINDOWS_SCRIPTS)
    get_filename_component(name ${script} NAME_WE)
    string(REGEX REPLACE "^test_" "windows_e2e_" test_name ${name})
    add_test(NAME ${test_name} COMMAND ${PYTHON3} ${script} $<TARGET_FILE:velmora>
                                          $<TARGET_FILE:nearly_finished_game>)
    set_tests_properties(${test_name} PROPERTIES LABELS "e2e;windows" TIMEOUT 240
      FIXTURES_REQUIRED wine_e2e RESOURCE_LOCK wine_e2e
      ENVIRONMENT "PYTHONPATH=${CMAKE_CURRENT_LIST_DIR}:${CMAKE_SOURCE_DIR}/tests/e2e;PYTHONDONTWRITEBYTECODE=1;WINEPREFIX=${E2E_WINEPREFIX}")
  endforeach()
else()
  message(WARNING "python3, Xvfb or xdotool missing: Windows end-to-end tests are not registered")
endif()
