#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "host/host_ops.h"
#include "host/win_text.h"
#include "process/server_shutdown.h"
#include "tests/win/test_support.h"

namespace {

// Helper roles of this executable, started by the tests themselves.
int RunHelperRole(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--shutdown-probe") == 0) {
        FixRunDirectory();
        ShutdownRunningServer();
        return 7;  // start-up would go on
    }
    if (argc >= 4 && std::strcmp(argv[1], "--hold-file") == 0) {
        // Holds the file without sharing, says so through the named event,
        // and waits to be ended.
        int n = 0;
        LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &n);
        HANDLE held = CreateFileW(args[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (held == INVALID_HANDLE_VALUE) return 3;
        HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, args[3]);
        SetEvent(ready);
        Sleep(60000);
        return 0;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    int role = RunHelperRole(argc, argv);
    if (role >= 0) return role;
    testing::InitGoogleTest(&argc, argv);
    // Started from a Linux shell the current directory is on Z:; the program
    // fixes its own directory first, and so do the tests.
    FixRunDirectory();
    return RUN_ALL_TESTS();
}
