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
    if (argc >= 3 && std::strcmp(argv[1], "--hold-file") == 0) {
        int n = 0;
        LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &n);
        std::wstring path = args[2];
        HANDLE held = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (held == INVALID_HANDLE_VALUE) return 3;
        WriteBytes(path.substr(0, path.find_last_of(L'\\')) + L"\\held.flag", "held");
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
