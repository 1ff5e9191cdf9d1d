#include "share/enable_deletion.h"

#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "ui/field_check.h"
#include "ui/window_ops.h"

bool EnsureDirectory(std::string_view text, uint32_t* error) {
    WidePath path = ToWidePath(text);
    uint32_t failure = CreateDirectoryChain(path);
    bool made = IsDirectory(path);
    if (error) *error = made ? 0 : failure;
    return made;
}

namespace {

Text TrashPath() { return TextJoin({GetControlText(编辑框1), ".Trash\\"}); }

void ShowSuccess() { MsgBox("成功", kButtonsOk, "true"); }

}  // namespace

// The box is read afresh at each step: it is the one place the share path lives.
void EnableDeletion() {
    // The box is rewritten below: never through a conversion that lost characters.
    Text reason = UnstorableFieldReason(编辑框1);
    if (!reason.empty()) {
        ShowFailure(reason);
        return;
    }
    if (GetControlText(编辑框1).empty()) {
        // The trash would otherwise land at the root of the current drive.
        ShowFailure("网盘文件路径为空");
        return;
    }
    // The trash lies inside the share, existing folder or not: D:\share
    // becomes D:\share\ (the user sees it), never D:\share.Trash beside it.
    // Judged by the last character: 昞 ends in the byte 0x5C, not in a backslash.
    if (!EndsInBackslash(GetControlText(编辑框1))) SetControlText(编辑框1, TextJoin({GetControlText(编辑框1), "\\"}));
    if (!IsDirectory(ToWidePath(GetControlText(编辑框1)))) EnsureDirectory(GetControlText(编辑框1));
    if (IsDirectory(ToWidePath(TrashPath()))) {
        ShowSuccess();
        return;
    }
    uint32_t error = 0;
    if (EnsureDirectory(TrashPath(), &error)) {
        ShowSuccess();
    } else {
        ShowFailure(TextJoin({"无法创建文件夹 ", TrashPath(), "："}), error);
    }
}
