# The unit and scenario tests built as Windows programs on the headless back end. ctest runs
# each program whole under Wine (one Wine start per program rather than per test case).

# GoogleTest from Debian's sources, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every test program of tests/ runs here but these, which cannot run on Windows:
# - content_test, makepuzzle_test: the content tools, which run on the build machine only;
# - gtk_helpers_test, wallpaper_test: the GTK back end and GSettings;
# - language_test: the gettext environment (LANGUAGE, LC_MESSAGES); Windows picks its catalog
#   by the display language, checked by tests/e2e_windows/test_english.py;
# - file_safety_test: the POSIX file-call seam (platform/file_calls.h) and /dev/full;
# - instance_lock_test: a second process made with fork (tests/e2e_windows/test_two_copies.py
#   starts two copies of the program instead);
# - hostile_files_test: named pipes (mkfifo) and links to /dev/zero as play files;
# - soak_test, heap_tidy_test: their made puzzles come from the content tool's maker on a
#   mkdtemp folder (tests/support/made_puzzle.cpp);
# - profile_test, savegame_test, savegame_commands_test: file modes and the unprivileged user
#   (fork + setuid), a small mounted file system and the file size limit.
set(WINDOWS_TESTS
  app_test library_test completion_test construction_test game_record_test mo_catalog_test
  embedded_puzzles_test
  file_paths_test finished_picture_test found_faults_test halftone_test headless_test
  picture_files_test picture_reading_test play_test preview_test picture_puzzle_test
  puzzle_resource_test random_test
  render_test state_test surface_test text_test view_test window_fit_test)
file(GLOB TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/support/*.cpp)
list(FILTER TEST_SUPPORT EXCLUDE REGEX "/(made_puzzle|ordinary_user)\\.cpp$")
add_library(velmora_test_support STATIC ${TEST_SUPPORT})
target_link_libraries(velmora_test_support PUBLIC velmora_game velmora_headless gtest)

# Wine makes its prefix on first use; made once before the tests, not by two at once.
add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot.exe --init)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)

foreach(name IN LISTS WINDOWS_TESTS)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
  target_link_libraries(${name} PRIVATE velmora_test_support velmora_resources gtest_main)
  target_compile_definitions(${name} PRIVATE
    VELMORA_PUZZLE_DIR="${CMAKE_BINARY_DIR}/resources/puzzles"
    VELMORA_PICTURE_DIR="${CMAKE_SOURCE_DIR}/resources/pictures"
    VELMORA_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME windows_${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(windows_${name} PROPERTIES FIXTURES_REQUIRED wine LABELS windows
                       TIMEOUT 600)
endforeach()
