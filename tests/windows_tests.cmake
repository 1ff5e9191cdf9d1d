# Windows lane: everything runs under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
set(KELVARA_TEST_BIN ${CMAKE_BINARY_DIR}/bin)

add_executable(webd_standin WIN32 standin/webd_standin.cpp)
target_compile_options(webd_standin PRIVATE -municode)
target_link_options(webd_standin PRIVATE -municode)
set_target_properties(webd_standin PROPERTIES OUTPUT_NAME webd RUNTIME_OUTPUT_DIRECTORY ${KELVARA_TEST_BIN}/standin)

add_library(kelvara_test_support STATIC win/test_support.cpp)
kelvara_target_defaults(kelvara_test_support)
target_link_libraries(kelvara_test_support PUBLIC kelvara_win gtest)

# The pure tests run here too: the same rules must hold with this compiler.
add_executable(kelvara_win_tests
    ${KELVARA_PURE_TESTS}
    win/wide_path_test.cpp
    win/host_ops_test.cpp
    win/generate_config_test.cpp
    win/generate_faults_test.cpp
    win/process_test.cpp
    win/unprivileged_test.cpp
    win/window_build_test.cpp
    win/test_resources.rc
    win/test_main.cpp
)
kelvara_target_defaults(kelvara_win_tests)
target_link_libraries(kelvara_win_tests PRIVATE kelvara_host_ops_seam kelvara_test_support)
set_target_properties(kelvara_win_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KELVARA_TEST_BIN})
add_dependencies(kelvara_win_tests webd_standin)
add_test(NAME win_tests COMMAND kelvara_win_tests)
# Proof that the tests really ran under Wine: a loader that cannot start the
# exe may still exit 0.
set_tests_properties(win_tests PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [1-9]" FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
# Again as an unprivileged user, for what Wine enforces only then.
add_test(NAME win_unprivileged_tests
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/run-unprivileged.sh ${CMAKE_BINARY_DIR}/unprivileged
            $<TARGET_FILE:kelvara_win_tests> --gtest_filter=Unprivileged.*:GenerateFaults.*)
set_tests_properties(win_unprivileged_tests PROPERTIES
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [1-9]|not root, cannot switch" FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")

# End to end: the real kelvara.exe driven with real input.
add_executable(kelvara_e2e_tests e2e/app_driver.cpp e2e/window_test.cpp e2e/faults_test.cpp e2e/accessibility_test.cpp e2e/dpi_test.cpp
    win/test_main.cpp)
kelvara_target_defaults(kelvara_e2e_tests)
target_link_libraries(kelvara_e2e_tests PRIVATE kelvara_host_ops kelvara_test_support oleacc ole32 oleaut32)
set_target_properties(kelvara_e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KELVARA_TEST_BIN})
add_dependencies(kelvara_e2e_tests kelvara webd_standin)
add_test(NAME e2e_tests COMMAND kelvara_e2e_tests)
set_tests_properties(e2e_tests PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [1-9]" FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")

# Benchmark (scripts/bench.sh): not part of the tests' pass or fail.
add_executable(bare_window WIN32 bench/bare_window.cpp)
target_compile_options(bare_window PRIVATE -municode)
target_link_options(bare_window PRIVATE -municode -s)
set_target_properties(bare_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KELVARA_TEST_BIN})
add_executable(same_window WIN32 bench/same_window.cpp ${PROJECT_SOURCE_DIR}/ui/kelvara.rc)
kelvara_target_defaults(same_window)
target_include_directories(same_window PRIVATE ${CMAKE_BINARY_DIR}/generated ${PROJECT_SOURCE_DIR}/ui)
target_compile_options(same_window PRIVATE -municode)
target_link_options(same_window PRIVATE -municode -s)
target_link_libraries(same_window PRIVATE kelvara_win)
set_target_properties(same_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KELVARA_TEST_BIN})
add_executable(kelvara_bench bench/bench.cpp)
kelvara_target_defaults(kelvara_bench)
target_link_libraries(kelvara_bench PRIVATE kelvara_host_ops kelvara_test_support psapi)
set_target_properties(kelvara_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KELVARA_TEST_BIN})
add_dependencies(kelvara_bench kelvara bare_window same_window webd_standin)
