#include "core/generate_config.h"

#include <vector>

#include "core/config_text.h"
#include "core/path_validity.h"
#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "host/wide_path.h"

namespace {

// One step the generate action has taken, and how to take it back.
struct Undo {
    enum Kind { MoveBack, Recreate, RestoreAttributes, RemoveWritten, Rewrite } kind;
    Text path;
    Text formerPath;      // MoveBack: the name it had
    ByteArray content;    // Recreate, Rewrite: what it held
    uint32_t attributes;  // RestoreAttributes, Rewrite
};

// The steps of one click, so that a failure anywhere puts every file back
// as it was: webd.conf is only ever replaced once the previous one is safe.
struct Journal {
    std::vector<Undo> done;
    Text failedStep;  // what could not be done, for the failure box
    uint32_t error = 0;

    bool Fail(Text step) {
        failedStep = std::move(step);
        error = LastFileError();
        // In reverse; a step that cannot be undone still leaves the previous
        // configuration under one of the three names, never deleted.
        for (auto it = done.rbegin(); it != done.rend(); ++it) TakeBack(*it);
        done.clear();
        return false;
    }

    static void TakeBack(const Undo& u) {
        switch (u.kind) {
            case Undo::MoveBack: FileRename(u.path, u.formerPath); break;
            case Undo::Recreate: FileWrite(u.path, u.content); break;
            case Undo::RestoreAttributes: FileSetAttributes(u.path, u.attributes); break;
            case Undo::RemoveWritten: FileDelete(u.path); break;
            case Undo::Rewrite:
                FileWrite(u.path, u.content);
                FileSetAttributes(u.path, u.attributes);
                break;
        }
    }
};

Text NameOf(const Text& path) { return path.substr(FindLastBackslash(path) + 1); }

bool Move(Journal& j, const Text& from, const Text& to) {
    if (!FileRename(from, to)) return j.Fail(TextJoin({"无法把 ", NameOf(from), " 改名为 ", NameOf(to), "："}));
    j.done.push_back({Undo::MoveBack, to, from, {}, 0});
    return true;
}

// Removes a file, read-only or not. Kept in memory first when a later
// failure may have to bring it back.
bool Remove(Journal& j, const Text& path, bool restorable) {
    uint32_t attributes = FileAttributes(path);
    ByteArray content;
    if (restorable && !FileRead(path, content)) return j.Fail(TextJoin({"无法读取 ", NameOf(path), "："}));
    if (!FileClearReadOnly(path)) return j.Fail(TextJoin({"无法更改 ", NameOf(path), " 的只读属性："}));
    j.done.push_back({Undo::RestoreAttributes, path, {}, {}, attributes});
    if (!FileDelete(path)) return j.Fail(TextJoin({"无法删除 ", NameOf(path), "："}));
    j.done.push_back({Undo::Recreate, path, {}, std::move(content), 0});
    return true;
}

// previous: the content to put back when the file is written in place.
bool Write(Journal& j, const Text& path, const ByteArray& bytes, const ByteArray* previous, uint32_t attributes) {
    j.done.push_back(previous ? Undo{Undo::Rewrite, path, {}, *previous, attributes}
                              : Undo{Undo::RemoveWritten, path, {}, {}, 0});
    bool opened = false;
    if (FileWrite(path, bytes, &opened)) return true;
    if (!opened) j.done.pop_back();  // nothing was created or cut
    return j.Fail(TextJoin({"无法写入 ", NameOf(path), "："}));
}

// The rotation keeps exactly one backup: the previous webd.conf moves to
// webd.conf.bak, the older backup waits in webd.conf.bak2 until the new file
// is written, and only then goes. webd.conf.bak2 is nobody's file but this
// rotation's, so a leftover one is removed first (and brought back if the
// click fails). Each rename is guarded: a run directory reached by a network
// path (two leading backslashes) gets no backup, webd.conf is written in place.
bool WriteKeepingBackup(Journal& j, const Text& dir, const ByteArray& bytes) {
    const Text config = TextJoin({dir, "\\webd.conf"});
    const Text backup = TextJoin({dir, "\\webd.conf.bak"});
    const Text temporary = TextJoin({dir, "\\webd.conf.bak2"});

    if (!IsExistingFile(ToWidePath(config))) return Write(j, config, bytes, nullptr, 0);

    if (IsExistingFile(ToWidePath(temporary)) && !Remove(j, temporary, true)) return false;
    bool backupAside = false;
    // A directory named webd.conf.bak is never moved: the rename of webd.conf
    // onto it then fails and says so.
    if (IsValidFilePath(temporary) && IsExistingFile(ToWidePath(backup))) {
        if (!Move(j, backup, temporary)) return false;
        backupAside = true;
    }
    if (IsValidFilePath(backup)) {
        if (!Move(j, config, backup)) return false;
        if (!Write(j, config, bytes, nullptr, 0)) return false;
    } else {
        ByteArray previous;
        uint32_t attributes = FileAttributes(config);
        if (!FileRead(config, previous)) return j.Fail(TextJoin({"无法读取 ", NameOf(config), "："}));
        if (!Write(j, config, bytes, &previous, attributes)) return false;
    }
    return !backupAside || Remove(j, temporary, false);
}

}  // namespace

void GenerateConfig(const Settings& settings) {
    Text text = BuildConfigText(settings);
    Journal journal;
    if (!WriteKeepingBackup(journal, RunDirectory(), TextToBytes(text))) {
        ShowFailure(journal.failedStep, journal.error);
        return;
    }
    Text server = TextJoin({RunDirectory(), "\\webd.exe"});
    if (FileExists(server)) {
        if (MsgBox("成功\r\n是否运行webd", kButtonsOkCancel, "true") == kAnswerOk) {
            LaunchProgram(server, false, 1);
        }
    } else {
        MsgBox("成功", kButtonsOk, "true");
    }
}
