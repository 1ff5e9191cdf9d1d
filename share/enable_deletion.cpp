#include "share/enable_deletion.h"

#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "ui/window_ops.h"

bool EnsureDirectory(std::string_view text) {
    WidePath path = ToWidePath(text);
    CreateDirectoryChain(path);
    return IsDirectory(path);
}

namespace {

Text TrashPath() { return TextJoin({GetControlText(编辑框1), ".Trash\\"}); }

}  // namespace

// The box is read afresh at each step: it is the one place the share path lives.
void EnableDeletion() {
    if (!IsDirectory(ToWidePath(GetControlText(编辑框1)))) {
        Text share = GetControlText(编辑框1);
        // Byte test on purpose: a GBK character ending in 0x5C counts as a backslash.
        if (TextCompare(TextRight(share, 1), "\\") != 0) SetControlText(编辑框1, TextJoin({share, "\\"}));
        EnsureDirectory(GetControlText(编辑框1));
    }
    if (IsDirectory(ToWidePath(TrashPath()))) {
        MsgBox("成功", kButtonsOk, "true");
        return;
    }
    if (EnsureDirectory(TrashPath())) {
        MsgBox("成功", kButtonsOk, "true");
    } else {
        MsgBox("失败", kButtonsOk, "false");
    }
}
