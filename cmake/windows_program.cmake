# The Windows build's programs: velmora.exe on the Win32 back end (once platform/win32 exists),
# the unit and scenario tests on the headless back end, run under Wine by ctest.
if(EXISTS ${CMAKE_SOURCE_DIR}/platform/win32/CMakeLists.txt)
  add_subdirectory(platform/win32)
  # app/main.cpp's main is the entry point of a windowed (no console) program.
  add_executable(velmora WIN32 app/main.cpp)
  target_link_libraries(velmora PRIVATE velmora_game velmora_win32 velmora_resources)
endif()

include(${CMAKE_SOURCE_DIR}/tests/windows_tests.cmake)
add_subdirectory(tests/cross_platform)
# The benchmarks run under Wine by hand (bench/wine/), built with the rest.
add_subdirectory(bench/wine)

# The Windows back end's own tests and the end-to-end tests of velmora.exe under Wine.
if(TARGET velmora_win32)
  include(${CMAKE_SOURCE_DIR}/tests/win32/win32_tests.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/e2e_windows/e2e_windows.cmake OPTIONAL)
endif()

# The archive a Windows player unpacks: the program (without its debugging information), the
# help page, the message catalogs and a short README.
if(TARGET velmora)
  set(ZIP_STAGE ${CMAKE_BINARY_DIR}/velmora-windows)
  set(ZIP_FILE ${CMAKE_BINARY_DIR}/velmora-windows.zip)
  file(GLOB_RECURSE HELP_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*)
  add_custom_command(OUTPUT ${ZIP_FILE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZIP_STAGE} ${ZIP_FILE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZIP_STAGE}
    COMMAND ${CMAKE_OBJCOPY} --strip-debug $<TARGET_FILE:velmora> ${ZIP_STAGE}/velmora.exe
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/help ${ZIP_STAGE}/help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_BINARY_DIR}/locale ${ZIP_STAGE}/locale
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/windows-readme.txt
            ${ZIP_STAGE}/README.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${ZIP_STAGE}
            ${CMAKE_COMMAND} -E tar cf ${ZIP_FILE} --format=zip velmora.exe help locale README.txt
    DEPENDS velmora velmora_catalogs ${HELP_FILES} ${CMAKE_SOURCE_DIR}/resources/windows-readme.txt
    COMMENT "Packing velmora-windows.zip"
    VERBATIM)
  add_custom_target(velmora_zip ALL DEPENDS ${ZIP_FILE})
  # The zip's README.txt says where files go as the README does.
  find_program(PYTHON3 python3)
  if(PYTHON3)
    add_test(NAME windows_zip_readme COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/tests/windows_zip_readme.py
                                             ${ZIP_FILE} ${CMAKE_SOURCE_DIR}/README.md)
    set_tests_properties(windows_zip_readme PROPERTIES LABELS windows TIMEOUT 60)
  endif()
endif()
