# The Windows side: thin wrappers over the named Windows calls, the actions
# that use them, and the program itself.
add_library(kelvara_win STATIC
    host/wide_path_win.cpp
    host/host_ops_win.cpp
    core/generate_config.cpp
    process/process_list_win.cpp
    process/server_shutdown.cpp
)
kelvara_target_defaults(kelvara_win)
target_link_libraries(kelvara_win PUBLIC kelvara_pure shlwapi)
