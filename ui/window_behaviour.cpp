#include "ui/window_behaviour.h"

#include <iterator>

#include "core/generate_config.h"
#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "process/server_shutdown.h"
#include "share/enable_deletion.h"
#include "ui/field_check.h"
#include "ui/port_check.h"
#include "ui/window_ops.h"

namespace {

struct RowControls {
    ControlId enableBox;
    const ControlId* governed;  // in the order they are set
    size_t count;
};

constexpr ControlId kUser1Governed[] = {编辑框3, 编辑框4, 选择框5, 选择框6, 选择框7, 选择框8, 选择框9};
constexpr ControlId kUser2Governed[] = {编辑框5, 编辑框6, 选择框10, 选择框11, 选择框12, 选择框13, 选择框14};
constexpr ControlId kGuestGoverned[] = {选择框17, 选择框18, 选择框19, 选择框20, 选择框21};

RowControls ControlsOf(AccountRow row) {
    switch (row) {
        case AccountRow::User1: return {选择框15, kUser1Governed, std::size(kUser1Governed)};
        case AccountRow::User2: return {选择框16, kUser2Governed, std::size(kUser2Governed)};
        case AccountRow::Guest: break;
    }
    return {选择框4, kGuestGoverned, std::size(kGuestGoverned)};
}

// The texts 生成 writes into webd.conf, in window order; a disabled account
// writes nothing, so its fields do not matter.
Text UnstorableSettingsReason() {
    const bool user1 = IsChecked(选择框15);
    const bool user2 = IsChecked(选择框16);
    const struct {
        ControlId id;
        bool written;
    } fields[] = {{编辑框1, true}, {编辑框2, true}, {编辑框3, user1}, {编辑框4, user1},
                  {编辑框5, user2}, {编辑框6, user2}, {编辑框7, true}};
    for (const auto& field : fields) {
        Text reason = field.written ? UnstorableFieldReason(field.id) : Text();
        if (!reason.empty()) return reason;
    }
    return Text();
}

void OnGenerateClicked() {
    // Nothing is written or moved for a text the file cannot hold.
    Text reason = UnstorableSettingsReason();
    if (!reason.empty()) {
        ShowFailure(reason);
        return;
    }
    GenerateConfig(ReadSettings());
}

Permissions ReadRights(ControlId access, ControlId list, ControlId upload, ControlId modify, ControlId hidden) {
    return {IsChecked(access), IsChecked(list), IsChecked(upload), IsChecked(modify), IsChecked(hidden)};
}

}  // namespace

void InitMainWindow() {
    ShutdownRunningServer();  // may end the program: the window is never shown then
    SetControlText(编辑框1, TextJoin({RunDirectory(), "\\web\\"}));
}

void ApplyRowEnabling(AccountRow row) {
    RowControls controls = ControlsOf(row);
    bool disabled = !IsChecked(controls.enableBox);
    for (size_t i = 0; i < controls.count; ++i) SetDisabled(controls.governed[i], disabled);
}

void ValidatePortBox() {
    if (IsPortTextAccepted(GetControlText(编辑框2))) return;
    SetControlText(编辑框2, kDefaultPort);
    MsgBox("错误", kButtonsOk, "err");
}

Settings ReadSettings() {
    Settings s;
    s.SharePath = GetControlText(编辑框1);
    s.Port = GetControlText(编辑框2);
    s.ListenIpv4 = IsChecked(选择框1);
    s.ListenIpv6 = IsChecked(选择框2);
    s.User1 = {IsChecked(选择框15), ReadRights(选择框5, 选择框6, 选择框7, 选择框8, 选择框9), GetControlText(编辑框3),
               GetControlText(编辑框4)};
    s.User2 = {IsChecked(选择框16), ReadRights(选择框10, 选择框11, 选择框12, 选择框13, 选择框14),
               GetControlText(编辑框5), GetControlText(编辑框6)};
    s.GuestEnabled = IsChecked(选择框4);
    s.GuestRights = ReadRights(选择框17, 选择框18, 选择框19, 选择框20, 选择框21);
    s.HideTrayIcon = IsChecked(选择框3);
    s.BrowserPath = GetControlText(编辑框7);
    return s;
}

// Clicks (BN_CLICKED, 0) of the buttons and check boxes; the port box's loss
// of focus reaches ValidatePortBox through the window.
void OnControlCommand(ControlId id, int notification) {
    constexpr int kClicked = 0;
    if (notification != kClicked) return;
    switch (id) {
        case 选择框15: ApplyRowEnabling(AccountRow::User1); break;
        case 选择框16: ApplyRowEnabling(AccountRow::User2); break;
        case 选择框4: ApplyRowEnabling(AccountRow::Guest); break;
        case 按钮1: OnGenerateClicked(); break;
        case 按钮2: EnableDeletion(); break;
        default: break;
    }
}
