// Side-by-side measurements under one Wine and one display: start-up of
// kelvara.exe against two floors (the same window without the tool's logic,
// and a bare window), the generate click, the start-up process scan as more
// processes run, sizes and working sets. Prints tables of medians.
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

// Stand-ins of the given name, each in a folder of its own under dir.
std::vector<PROCESS_INFORMATION> StartStandins(const TempDir& dir, const std::wstring& name, int count) {
    std::vector<PROCESS_INFORMATION> started;
    for (int i = 0; i < count; ++i) {
        std::wstring folder = dir / (name + std::to_wstring(i));
        CreateDirectoryW(folder.c_str(), nullptr);
        CopyFileW(StandinExe().c_str(), (folder + L"\\" + name).c_str(), FALSE);
        started.push_back(StartProgram(folder + L"\\" + name, folder));
    }
    return started;
}

double MedianScanMs(int runs, int* found) {
    std::vector<double> times;
    ProcessIdList ids;
    for (int i = 0; i < runs; ++i) {
        double t0 = NowMs();
        *found = FindProcessIdsByName("webd.exe", ids);
        times.push_back(NowMs() - t0);
    }
    return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    TempDir dir(L"kelvara-bench");
    const std::wstring kelvara = dir / L"kelvara.exe";
    CopyFileW((TestBinDirectory() + L"\\kelvara.exe").c_str(), kelvara.c_str(), FALSE);
    // The three programs, started in turn in every round so drift hits all alike.
    const std::wstring programs[3] = {kelvara, TestBinDirectory() + L"\\same_window.exe",
                                      TestBinDirectory() + L"\\bare_window.exe"};
    std::vector<double> start[3], workingSet[3], generate;
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 3; ++k) {
            int which = (i + k) % 3;
            Started s = StartAndWait(programs[which]);
            if (s.ms < 0) {
                std::fprintf(stderr, "bench: a start failed\n");
                return 1;
            }
            start[which].push_back(s.ms);
            WaitForInputIdle(s.process.hProcess, 2000);
            workingSet[which].push_back(static_cast<double>(WorkingSetKb(s.process.hProcess)));
            if (which == 0) {
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

    // The start-up scan as more processes run: none of ours, 20 servers,
    // then 100 more of another name that the scan reads and passes over.
    int found0 = 0, found20 = 0, found120 = 0;
    double scan0 = MedianScanMs(runs, &found0);
    std::vector<PROCESS_INFORMATION> servers = StartStandins(dir, L"webd.exe", 20);
    double scan20 = MedianScanMs(runs, &found20);
    std::vector<PROCESS_INFORMATION> others = StartStandins(dir, L"other.exe", 100);
    double scan120 = MedianScanMs(runs, &found120);
    for (PROCESS_INFORMATION& p : servers) EndProcess(p);
    for (PROCESS_INFORMATION& p : others) EndProcess(p);

    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    double tool = Median(start[0]), same = Median(start[1]), bare = Median(start[2]);
    std::printf("| measurement (median of %d) | kelvara | same window | bare window | kelvara / same | kelvara / bare |\n"
                "|---|---|---|---|---|---|\n", runs);
    std::printf("| start-up to window visible | %.1f ms | %.1f ms | %.1f ms | %.3f | %.2f |\n", tool, same, bare,
                ratio(tool, same), ratio(tool, bare));
    double ws[3] = {Median(workingSet[0]), Median(workingSet[1]), Median(workingSet[2])};
    std::printf("| working set after start-up | %.0f KB | %.0f KB | %.0f KB | %.3f | %.2f |\n", ws[0], ws[1], ws[2],
                ratio(ws[0], ws[1]), ratio(ws[0], ws[2]));
    double size[3];
    for (int k = 0; k < 3; ++k) size[k] = static_cast<double>(FileSize(programs[k]));
    std::printf("| exe size | %.0f B | %.0f B | %.0f B | %.2f | %.2f |\n", size[0], size[1], size[2],
                ratio(size[0], size[1]), ratio(size[0], size[2]));
    std::printf("| generate click to result box | %.1f ms | - | - | - | - |\n", Median(generate));
    std::printf("\n| processes running beside the usual | servers found | start-up scan | per extra process |\n"
                "|---|---|---|---|\n");
    std::printf("| 0 | %d | %.2f ms | - |\n", found0, scan0);
    std::printf("| 20 (webd.exe) | %d | %.2f ms | %.0f us |\n", found20, scan20, (scan20 - scan0) * 1000.0 / 20);
    std::printf("| 120 (20 webd.exe, 100 other.exe) | %d | %.2f ms | %.0f us |\n", found120, scan120,
                (scan120 - scan0) * 1000.0 / 120);
    return 0;
}
