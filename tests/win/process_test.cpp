#include <gtest/gtest.h>

#include <algorithm>

#include "host/gbk_literals.h"
#include "process/process_list.h"
#include "process/server_shutdown.h"
#include "tests/win/test_support.h"

namespace {

struct Running {
    TempDir dir;
    PROCESS_INFORMATION process = {};
    explicit Running(const std::wstring& exeName) {
        std::wstring exe = dir / exeName;
        if (CopyFileW(StandinExe().c_str(), exe.c_str(), FALSE)) process = StartProgram(exe, dir.path);
    }
    ~Running() { EndProcess(process); }
    bool Alive() const { return process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; }
    // Exit code once ended within the time given, or -1.
    long EndedWith(DWORD timeoutMs) const {
        if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<long>(code);
    }
};

bool Contains(const ProcessIdList& ids, DWORD id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

TEST(FindProcessIdsByName, MatchesTheFileNameWithoutRegardToCase) {
    Running plain(L"webd.exe");
    Running upper(L"WEBD.EXE");
    Running mixed(L"Webd.Exe");
    Running other(L"webd2.exe");
    Running shorter(L"webd.ex");
    Running longer(L"webd.exe.bak");
    for (const Running* r : {&plain, &upper, &mixed, &other, &shorter, &longer}) ASSERT_TRUE(r->Alive());

    ProcessIdList ids = {12345};
    EXPECT_EQ(FindProcessIdsByName("webd.exe", ids), 3);
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_TRUE(Contains(ids, plain.process.dwProcessId));
    EXPECT_TRUE(Contains(ids, upper.process.dwProcessId));
    EXPECT_TRUE(Contains(ids, mixed.process.dwProcessId));

    EXPECT_EQ(FindProcessIdsByName("no-such-program.exe", ids), 0);
    EXPECT_TRUE(ids.empty());
}

TEST(KillProcess, EndsARunningProcessWithExitCodeZero) {
    Running server(L"webd.exe");
    ASSERT_TRUE(server.Alive());
    EXPECT_TRUE(KillProcess(server.process.dwProcessId));
    EXPECT_EQ(server.EndedWith(5000), 0);
    EXPECT_FALSE(KillProcess(0x7FFFFFF0)) << "no such process";
}

TEST(ShutdownRunningServer, AsksNothingWhenNoServerRuns) {
    ProcessIdList ids;
    ASSERT_EQ(FindProcessIdsByName("webd.exe", ids), 0) << "a stand-in of another test is still running";
    BoxAnswerer safety(L"注意！", BoxAction::ClickOk, 500);
    ShutdownRunningServer();
    EXPECT_FALSE(safety.Wait().found);
}

TEST(ShutdownRunningServer, OneQuestionThenOkEndsEveryServer) {
    Running first(L"webd.exe");
    Running second(L"WEBD.exe");
    ASSERT_TRUE(first.Alive() && second.Alive());
    BoxAnswerer answerer(L"注意！", BoxAction::ClickOk);
    ShutdownRunningServer();
    BoxSeen seen = answerer.Wait();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"需暂时退出webd，待配置生成完毕再运行\r\n是否需要关闭webd？");
    EXPECT_TRUE(seen.hasCancel);
    EXPECT_EQ(first.EndedWith(5000), 0);
    EXPECT_EQ(second.EndedWith(5000), 0);
    EXPECT_TRUE(NoBoxAppears(L"注意！", 300)) << "only one question";
}

TEST(ShutdownRunningServer, CancelEndsTheProgramWithExitCodeZeroAndLeavesServersRunning) {
    for (BoxAction answer : {BoxAction::ClickCancel, BoxAction::EscapeKey, BoxAction::CloseButton}) {
        SCOPED_TRACE(static_cast<int>(answer));
        Running first(L"webd.exe");
        Running second(L"webd.exe");
        ASSERT_TRUE(first.Alive() && second.Alive());
        // A second copy of this executable runs the shutdown as the program would.
        std::wstring self = TestBinDirectory() + L"\\kelvara_win_tests.exe";
        std::wstring line = L"\"" + self + L"\" --shutdown-probe";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION probe = {};
        ASSERT_TRUE(CreateProcessW(self.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &probe));
        BoxAnswerer answerer(L"注意！", answer);
        EXPECT_TRUE(answerer.Wait().found);
        ASSERT_EQ(WaitForSingleObject(probe.hProcess, 10000), WAIT_OBJECT_0);
        DWORD code = 99;
        GetExitCodeProcess(probe.hProcess, &code);
        EXPECT_EQ(code, 0u) << "7 would mean the shutdown returned";
        EndProcess(probe);
        EXPECT_TRUE(first.Alive());
        EXPECT_TRUE(second.Alive());
    }
}

}  // namespace
