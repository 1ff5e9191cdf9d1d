#include "core/generate_config.h"

#include "core/config_text.h"
#include "core/path_validity.h"
#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "host/wide_path.h"

namespace {

// webd.conf.bak2 is nobody's file but this rotation's. A read-only
// webd.conf hands its attribute on to the backup and then to this name,
// where DeleteFile would refuse it.
void RemoveTemporary(const Text& temporary) {
    FileClearReadOnly(temporary);
    FileDelete(temporary);
}

// Only the previous configuration matters, so a leftover temporary goes
// first. Otherwise it would block the move of the older backup, that in turn
// the move of webd.conf, and the previous configuration would be overwritten.
void RotateBackup(const Text& config, const Text& backup, const Text& temporary) {
    RemoveTemporary(temporary);
    if (IsValidFilePath(temporary)) FileRename(backup, temporary);
    if (IsValidFilePath(backup)) FileRename(config, backup);
    RemoveTemporary(temporary);
}

}  // namespace

void GenerateConfig(const Settings& settings) {
    Text text = BuildConfigText(settings);
    Text dir = RunDirectory();
    Text config = TextJoin({dir, "\\webd.conf"});
    Text backup = TextJoin({dir, "\\webd.conf.bak"});
    Text temporary = TextJoin({dir, "\\webd.conf.bak2"});
    Text server = TextJoin({dir, "\\webd.exe"});

    if (IsExistingFile(ToWidePath(config))) RotateBackup(config, backup, temporary);

    if (!FileWrite(config, TextToBytes(text))) {
        MsgBox("失败", kButtonsOk, "false");
        return;
    }
    if (FileExists(server)) {
        if (MsgBox("成功\r\n是否运行webd", kButtonsOkCancel, "true") == kAnswerOk) {
            LaunchProgram(server, false, 1);
        }
    } else {
        MsgBox("成功", kButtonsOk, "true");
    }
}
