# Tests of the Windows back end, built as one Windows program and run under Wine on a display
# of its own (Wine's windows need an X server) and in a Wine prefix of its own.
find_program(XVFB_RUN xvfb-run)
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
add_executable(win32_backend_test ${WIN32_TEST_SOURCES})
target_link_libraries(win32_backend_test PRIVATE velmora_win32 velmora_resources gtest_main)
if(XVFB_RUN)
  add_test(NAME windows_win32_backend
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24 -noreset"
                   ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_backend_test>
                   --gtest_brief=1)
  # A prefix of its own: the headless tests' wineserver, started without a display, would
  # otherwise be shared and refuse this program's windows.
  set_tests_properties(windows_win32_backend PROPERTIES LABELS windows TIMEOUT 300
                       ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-win32")
else()
  message(WARNING "xvfb-run missing: the Windows back end's tests are not registered")
endif()
