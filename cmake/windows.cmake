# The Windows side: thin wrappers over the named Windows calls, the actions
# that use them, and the program itself.
enable_language(RC)

add_library(kelvara_win STATIC
    host/wide_path_win.cpp
    core/generate_config.cpp
    process/process_list_win.cpp
    process/server_shutdown.cpp
    share/directory_chain_win.cpp
    share/enable_deletion.cpp
    ui/accessibility_win.cpp
    ui/field_check.cpp
    ui/main_window_win.cpp
    ui/window_build_win.cpp
    ui/window_behaviour.cpp
)
kelvara_target_defaults(kelvara_win)
target_link_libraries(kelvara_win PUBLIC kelvara_pure kelvara_ui_table shlwapi comctl32)

# The host operations, linked as objects into each program: the shipped copy,
# and the tests' copy with the seam that makes a chosen file operation fail.
add_library(kelvara_host_ops OBJECT host/host_ops_win.cpp)
kelvara_target_defaults(kelvara_host_ops)
add_library(kelvara_host_ops_seam OBJECT host/host_ops_win.cpp)
kelvara_target_defaults(kelvara_host_ops_seam)
target_compile_definitions(kelvara_host_ops_seam PRIVATE KELVARA_FAULT_SEAM)

configure_file(ui/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
add_executable(kelvara WIN32 ui/winmain.cpp ui/kelvara.rc)
kelvara_target_defaults(kelvara)
target_include_directories(kelvara PRIVATE ${CMAKE_BINARY_DIR}/generated ${PROJECT_SOURCE_DIR}/ui)
target_compile_options(kelvara PRIVATE -municode)
target_link_options(kelvara PRIVATE -municode -s)
target_link_libraries(kelvara PRIVATE kelvara_host_ops kelvara_win)
set_target_properties(kelvara PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_source_files_properties(ui/kelvara.rc PROPERTIES OBJECT_DEPENDS
    "${PROJECT_SOURCE_DIR}/ui/kelvara.ico;${PROJECT_SOURCE_DIR}/ui/kelvara.manifest")
