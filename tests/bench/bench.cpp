// Side-by-side measurements under one Wine and one display: start-up of
// kelvara.exe against a bare window, the generate click, the start-up process
// scan, sizes and working sets. Prints a table of medians.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "process/process_list.h"
#include "tests/win/test_support.h"
#include "ui/control_table.h"

namespace {

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Started {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
    double ms = -1;
};

// From CreateProcess to the first visible top-level window of the process.
Started StartAndWait(const std::wstring& exe) {
    Started s;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring line = L"\"" + exe + L"\"";
    double t0 = NowMs();
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &s.process)) {
        return s;
    }
    for (;;) {
        if (HWND found = FindVisibleWindowOf(s.process.dwProcessId)) {
            s.window = found;
            s.ms = NowMs() - t0;
            return s;
        }
        if (NowMs() - t0 > 10000) return s;
        Sleep(0);
    }
}

size_t WorkingSetKb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return GetProcessMemoryInfo(process, &counters, sizeof(counters)) ? counters.WorkingSetSize / 1024 : 0;
}

void Stop(Started& s) {
    if (s.window) PostMessageW(s.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(s.process.hProcess, 3000) != WAIT_OBJECT_0) TerminateProcess(s.process.hProcess, 1);
    CloseHandle(s.process.hProcess);
    CloseHandle(s.process.hThread);
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    TempDir dir(L"kelvara-bench");
    const std::wstring kelvara = dir / L"kelvara.exe";
    const std::wstring bare = TestBinDirectory() + L"\\bare_window.exe";
    CopyFileW((TestBinDirectory() + L"\\kelvara.exe").c_str(), kelvara.c_str(), FALSE);

    std::vector<double> startKelvara, startBare, generate, wsKelvara, wsBare;
    for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits both alike
        for (int which = 0; which < 2; ++which) {
            bool isKelvara = (which == (i % 2));
            Started s = StartAndWait(isKelvara ? kelvara : bare);
            if (s.ms < 0) {
                std::fprintf(stderr, "bench: a start failed\n");
                return 1;
            }
            (isKelvara ? startKelvara : startBare).push_back(s.ms);
            WaitForInputIdle(s.process.hProcess, 2000);
            (isKelvara ? wsKelvara : wsBare).push_back(static_cast<double>(WorkingSetKb(s.process.hProcess)));
            if (isKelvara) {
                // From the click on 生成 to its result box on screen.
                HWND button = GetDlgItem(s.window, ControlCommandId(按钮1));
                double t0 = NowMs();
                PostMessageW(button, BM_CLICK, 0, 0);
                HWND box = nullptr;
                while (!(box = FindBox(L"true")) && NowMs() - t0 < 5000) Sleep(0);
                if (box) {
                    generate.push_back(NowMs() - t0);
                    AnswerBox(box, BoxAction::ClickOk);
                }
            }
            Stop(s);
        }
    }

    // The start-up scan, with no server and with 20 stand-ins running.
    std::vector<double> scanNone, scanTwenty;
    ProcessIdList ids;
    for (int i = 0; i < runs; ++i) {
        double t0 = NowMs();
        FindProcessIdsByName("webd.exe", ids);
        scanNone.push_back(NowMs() - t0);
    }
    std::vector<PROCESS_INFORMATION> servers;
    for (int i = 0; i < 20; ++i) {
        std::wstring folder = dir / (L"server" + std::to_wstring(i));
        CreateDirectoryW(folder.c_str(), nullptr);
        CopyFileW(StandinExe().c_str(), (folder + L"\\webd.exe").c_str(), FALSE);
        servers.push_back(StartProgram(folder + L"\\webd.exe", folder));
    }
    int found = 0;
    for (int i = 0; i < runs; ++i) {
        double t0 = NowMs();
        found = FindProcessIdsByName("webd.exe", ids);
        scanTwenty.push_back(NowMs() - t0);
    }
    for (PROCESS_INFORMATION& p : servers) EndProcess(p);

    double floor = Median(startBare);
    std::printf("| measurement (median of %d) | kelvara | bare window | ratio |\n|---|---|---|---|\n", runs);
    std::printf("| start-up to window visible | %.1f ms | %.1f ms | %.2f |\n", Median(startKelvara), floor,
                floor > 0 ? Median(startKelvara) / floor : 0.0);
    std::printf("| working set after start-up | %.0f KB | %.0f KB | %.2f |\n", Median(wsKelvara), Median(wsBare),
                Median(wsBare) > 0 ? Median(wsKelvara) / Median(wsBare) : 0.0);
    std::printf("| exe size | %lld B | %lld B | %.2f |\n", FileSize(kelvara), FileSize(bare),
                static_cast<double>(FileSize(kelvara)) / static_cast<double>(FileSize(bare)));
    std::printf("| generate click to result box | %.1f ms | - | - |\n", Median(generate));
    std::printf("| process scan, no server | %.2f ms | - | - |\n", Median(scanNone));
    std::printf("| process scan, 20 servers (%d found) | %.2f ms | - | - |\n", found, Median(scanTwenty));
    return 0;
}
