# The Windows build's programs: velmora.exe on the Win32 back end (once platform/win32 exists),
# the unit and scenario tests on the headless back end, run under Wine by ctest.
if(EXISTS ${CMAKE_SOURCE_DIR}/platform/win32/CMakeLists.txt)
  add_subdirectory(platform/win32)
  # app/main.cpp's main is the entry point of a windowed (no console) program.
  add_executable(velmora WIN32 app/main.cpp)
  target_link_libraries(velmora PRIVATE velmora_game velmora_win32 velmora_resources)
endif()

include(${CMAKE_SOURCE_DIR}/tests/windows_tests.cmake)

# The Windows back end's own tests and the end-to-end tests of velmora.exe under Wine.
if(TARGET velmora_win32)
  include(${CMAKE_SOURCE_DIR}/tests/win32/win32_tests.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/e2e_windows/e2e_windows.cmake OPTIONAL)
endif()
