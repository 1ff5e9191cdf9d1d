// The generate action's one promise, tried the way a hostile user (or a
// failing disk) would: 成功 means the new text is in webd.conf and the
// previous webd.conf in webd.conf.bak; 失败 means every file is as before and
// the box says why.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "host/fault_seam.h"
#include "host/gbk_literals.h"
#include "tests/win/generate_support.h"

namespace {

enum class Entry { Absent, File, ReadOnly, Directory, Held };

const wchar_t* const kNames[3] = {L"webd.conf", L"webd.conf.bak", L"webd.conf.bak2"};
const char* const kContents[3] = {"conf-old", "bak-old", "bak2-old"};

bool RunningAsNobody() { return std::getenv("KELVARA_UNPRIVILEGED") != nullptr; }

// Puts the three names into the states asked for; held files stay held for
// as long as the returned holders live.
std::vector<std::unique_ptr<HeldFile>> Prepare(const std::wstring& dir, const Entry (&entries)[3]) {
    std::vector<std::unique_ptr<HeldFile>> holders;
    for (int i = 0; i < 3; ++i) {
        std::wstring path = dir + L"\\" + kNames[i];
        switch (entries[i]) {
            case Entry::Absent: break;
            case Entry::Directory: EXPECT_TRUE(CreateDirectoryW(path.c_str(), nullptr)); break;
            case Entry::File:
            case Entry::ReadOnly:
            case Entry::Held:
                EXPECT_TRUE(WriteBytes(path, kContents[i]));
                if (entries[i] == Entry::ReadOnly) {
                    EXPECT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
                }
                if (entries[i] == Entry::Held) {
                    holders.push_back(std::make_unique<HeldFile>(path));
                    EXPECT_TRUE(holders.back()->held) << Utf8FromWide(path);
                }
                break;
        }
    }
    return holders;
}

// What one click must leave: on success the new text, the previous
// configuration as the backup, no temporary file (a directory of that name,
// which the rotation never needs to touch, stays); on failure, everything
// as before.
// A run directory reached by a network path gets no backup: there webd.conf
// is written in place.
void ExpectOutcome(const BoxSeen& box, const FolderSnapshot& before, const FolderSnapshot& after, const Text& text,
                   bool backupKept = true) {
    SCOPED_TRACE("before: " + Describe(before) + "\n after: " + Describe(after));
    ASSERT_TRUE(box.found);
    if (box.title == L"true") {
        EXPECT_EQ(box.text, L"成功");
        FolderSnapshot expected = before;
        expected[L"webd.conf"] = EntrySeen{false, text, 0};
        if (before.count(L"webd.conf")) {
            if (backupKept) expected[L"webd.conf.bak"] = before.at(L"webd.conf");
            if (!(before.count(L"webd.conf.bak2") && before.at(L"webd.conf.bak2").directory)) {
                expected.erase(L"webd.conf.bak2");
            }
        }
        EXPECT_EQ(after, expected);
    } else {
        EXPECT_EQ(box.title, L"false");
        EXPECT_EQ(box.FirstLine(), L"失败");
        EXPECT_FALSE(box.Reason().empty()) << "a failure says why";
        EXPECT_EQ(after, before);
    }
}

enum class Place { TempFolder, NetworkPath, LockedFolder, FullDrive };

struct FaultRow {
    const char* name;
    Entry conf, bak, bak2;
    Place place;
    bool succeeds;
};

// A folder where the run directory lives for one row; empty when the row
// cannot run here (and why, in skipped).
struct RunFolder {
    std::unique_ptr<TempDir> temp;
    std::wstring path;     // as the program sees it
    std::wstring listing;  // the same folder, for the test's own look
    std::string skipped;
};

RunFolder FolderFor(Place place) {
    RunFolder f;
    switch (place) {
        case Place::TempFolder:
        case Place::NetworkPath:
            f.temp = std::make_unique<TempDir>(L"kelvara-faults");
            f.listing = f.temp->path;
            // \\?\C:\... starts with two backslashes as a network path does.
            f.path = place == Place::NetworkPath ? L"\\\\?\\" + f.listing : f.listing;
            break;
        case Place::LockedFolder:
            // Prepared by scripts/run-unprivileged.sh: owned by root, so the user nobody may read it but not write.
            if (const char* locked = std::getenv("KELVARA_LOCKED_FOLDER")) {
                f.path = f.listing = WideFromUtf8(locked);
            } else {
                f.skipped = "no folder without write permission prepared for this run";
            }
            break;
        case Place::FullDrive:
            // scripts/full-drive.sh maps a 256 KB tmpfs as K:.
            if (GetFileAttributesW(L"K:\\kelvara-full-drive") == INVALID_FILE_ATTRIBUTES) {
                f.skipped = "no small drive K: prepared for this run";
            } else {
                f.path = f.listing = L"K:\\run";
                RemoveTree(f.path);
                CreateDirectoryW(f.path.c_str(), nullptr);
            }
            break;
    }
    return f;
}

// Fills what is left of drive K: (outside the run folder).
void FillDrive() {
    HANDLE filler = CreateFileW(L"K:\\filler", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(filler, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0) {
    }
    CloseHandle(filler);
}

TEST(GenerateFaults, EveryFaultKeepsThePreviousConfigurationAndSaysWhy) {
    using E = Entry;
    const FaultRow rows[] = {
        {"a directory named webd.conf.bak", E::File, E::Directory, E::Absent, Place::TempFolder, false},
        {"a directory named webd.conf.bak2 beside a backup", E::File, E::File, E::Directory, Place::TempFolder, false},
        {"a directory named webd.conf.bak2, no backup yet", E::File, E::Absent, E::Directory, Place::TempFolder, true},
        {"webd.conf held open by another program", E::Held, E::File, E::Absent, Place::TempFolder, false},
        {"webd.conf.bak held open", E::File, E::Held, E::Absent, Place::TempFolder, false},
        {"a leftover webd.conf.bak2 held open", E::File, E::File, E::Held, Place::TempFolder, false},
        {"a directory named webd.conf", E::Directory, E::File, E::File, Place::TempFolder, false},
        {"a leftover webd.conf.bak2", E::File, E::File, E::File, Place::TempFolder, true},
        {"all three read-only", E::ReadOnly, E::ReadOnly, E::ReadOnly, Place::TempFolder, true},
        {"read-only webd.conf, no backup possible (network path)", E::ReadOnly, E::File, E::Absent,
         Place::NetworkPath, false},
        {"a folder without write permission", E::Absent, E::Absent, E::Absent, Place::LockedFolder, false},
        {"a full disk", E::File, E::File, E::Absent, Place::FullDrive, false},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.name);
        // Wine run as root writes read-only files anyway; Windows refuses everyone.
        if (row.place == Place::NetworkPath && !RunningAsNobody()) continue;
        RunFolder folder = FolderFor(row.place);
        if (!folder.skipped.empty()) {
            std::printf("  [row skipped] %s: %s\n", row.name, folder.skipped.c_str());
            continue;
        }
        auto holders = Prepare(folder.listing, {row.conf, row.bak, row.bak2});
        Settings s = SampleSettings();
        if (row.place == Place::FullDrive) {
            s.SharePath = std::string(300000, 'x');  // more than the whole drive holds
            FillDrive();
        }
        FolderSnapshot before = Snapshot(folder.listing);
        BoxSeen box = RunGenerate(folder.path, s);
        FolderSnapshot after = Snapshot(folder.listing);
        holders.clear();
        ExpectOutcome(box, before, after, BuildConfigText(s), row.place != Place::NetworkPath);
        EXPECT_EQ(box.title, row.succeeds ? L"true" : L"false") << Utf8FromWide(box.text);
        if (row.place == Place::LockedFolder) {
            EXPECT_NE(box.Reason().find(SystemMessageOf(ERROR_ACCESS_DENIED)), std::wstring::npos)
                << "the system's own words for it: " << Utf8FromWide(box.Reason());
        }
        if (row.place == Place::FullDrive) {
            DeleteFileW(L"K:\\filler");
            RemoveTree(folder.path);
        }
    }
}

TEST(GenerateFaults, AnyFileOperationMayFailWithoutLosingAnything) {
    // Every file operation of one click (each rename, delete, attribute
    // change, create, read, write and close) is made to fail in turn, over
    // every starting state of the rotation.
    using E = Entry;
    const struct State {
        const char* name;
        Entry conf, bak, bak2;
        bool networkPath;
    } states[] = {
        {"no file", E::Absent, E::Absent, E::Absent, false},
        {"webd.conf alone", E::File, E::Absent, E::Absent, false},
        {"webd.conf with a backup", E::File, E::File, E::Absent, false},
        {"webd.conf, a backup and a leftover webd.conf.bak2", E::File, E::File, E::File, false},
        {"all three read-only", E::ReadOnly, E::ReadOnly, E::ReadOnly, false},
        {"webd.conf and a leftover webd.conf.bak2 on a network path", E::File, E::Absent, E::File, true},
    };
    const Settings s = SampleSettings();
    const Text text = BuildConfigText(s);
    for (const State& state : states) {
        SCOPED_TRACE(state.name);
        int operations = 0;
        for (int failAt = 0; failAt == 0 || failAt <= operations; ++failAt) {
            SCOPED_TRACE(testing::Message() << "file operation " << failAt << " fails");
            TempDir dir(L"kelvara-inject");
            Prepare(dir.path, {state.conf, state.bak, state.bak2});
            FolderSnapshot before = Snapshot(dir.path);
            ArmFileFault(failAt, ERROR_ACCESS_DENIED);
            BoxSeen box = RunGenerate(state.networkPath ? L"\\\\?\\" + dir.path : dir.path, s);
            int counted = FileOperationCount();
            ArmFileFault(0, 0);
            ExpectOutcome(box, before, Snapshot(dir.path), text, !state.networkPath);
            if (failAt == 0) {
                EXPECT_EQ(box.title, L"true") << "without a fault every state succeeds";
                operations = counted;
                ASSERT_GT(operations, 0);
            } else {
                EXPECT_GE(counted, failAt) << "the fault was reached";
            }
        }
        std::printf("  %s: %d file operations, each failed once\n", state.name, operations);
    }
}

}  // namespace
