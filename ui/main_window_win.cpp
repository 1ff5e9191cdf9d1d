#include "ui/main_window_win.h"

#include <commctrl.h>

#include "host/main_window_win.h"
#include "host/win_text.h"
#include "ui/accessibility_win.h"
#include "ui/window_behaviour.h"
#include "ui/window_build_win.h"
#include "ui/window_ops.h"

namespace {

// Posted when the port box has lost the focus; see OnPortBoxLostFocus.
constexpr UINT kCheckPortMessage = WM_APP + 1;

MainWindow g_main;
HWND g_focusOnDeactivate = nullptr;
bool g_portCheckPending = false;

HWND Control(ControlId id) { return g_main.controls[id]; }
const ControlRow* RowOf(HWND control) { return RowOfControl(g_main, control); }

// What the box shows, as the system holds it (before any conversion to GBK).
std::wstring ControlTextW(ControlId editBox) {
    HWND control = Control(editBox);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The port box takes control characters, the minus sign and digits as typed;
// pasted text is not filtered.
LRESULT CALLBACK PortBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_CHAR) {
        wchar_t c = static_cast<wchar_t>(wParam);
        if (c >= 0x20 && c != L'-' && !(c >= L'0' && c <= L'9')) return 0;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void SetUpEditBoxes() {
    // The port takes five characters; every other box takes all that is
    // pasted (the system's default would cut it silently at 30 000 or so).
    for (const ControlRow& row : kControls) {
        if (row.kind == ControlKind::EditBox) {
            SendMessageW(Control(row.id), EM_LIMITTEXT, row.id == 编辑框2 ? 5 : 0, 0);
        }
    }
    SetWindowSubclass(Control(编辑框2), PortBoxProc, 1, 0);
}

// Tab order is the table's tab column (descending table position), which is
// the reverse of the stacking order, so the window walks it itself.
HWND NextTabStop(HWND from, bool backwards) {
    const ControlRow* current = RowOf(from);
    int start = current && current->tab > 0 ? current->tab : (backwards ? 1 : 0);
    constexpr int kTabStops = 30;
    for (int step = 1; step <= kTabStops; ++step) {
        int wanted = backwards ? ((start - 1 - step) % kTabStops + kTabStops) % kTabStops + 1
                               : (start - 1 + step) % kTabStops + 1;
        for (const ControlRow& row : kControls) {
            if (row.tab != wanted) continue;
            HWND candidate = Control(row.id);
            if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) return candidate;
        }
    }
    return nullptr;
}

HWND FirstTabStop() { return NextTabStop(nullptr, false); }

void MoveFocus(bool backwards) {
    HWND next = NextTabStop(GetFocus(), backwards);
    if (!next) return;
    SetFocus(next);
    // As in dialogs, an edit box entered by Tab has its text selected.
    const ControlRow* row = RowOf(next);
    if (row && row->kind == ControlKind::EditBox) SendMessageW(next, EM_SETSEL, 0, -1);
}

// The keys the window handles before any control sees them. True: consumed.
bool HandleWindowKey(const MSG& msg) {
    if (msg.hwnd != g_main.window && !IsChild(g_main.window, msg.hwnd)) return false;
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
            case VK_TAB:
                MoveFocus(GetKeyState(VK_SHIFT) < 0);
                return true;
            case VK_ESCAPE:
                PostMessageW(g_main.window, WM_CLOSE, 0, 0);
                return true;
            case VK_RETURN:
                return true;  // no default button: Enter does nothing
            default:
                return false;
        }
    }
    // Their characters too, so no edit box inserts or beeps at them.
    if (msg.message == WM_CHAR) return msg.wParam == L'\t' || msg.wParam == L'\r' || msg.wParam == 0x1B;
    return false;
}

HBRUSH OnCtlColorStatic(HDC dc, HWND control) {
    const ControlRow* row = RowOf(control);
    if (!row || row->kind == ControlKind::EditBox) return nullptr;  // disabled edits keep their default look
    SetTextColor(dc, RGB(0, 0, 0));
    if (row->kind == ControlKind::TransLabel) {
        // Only the text: the panel or window behind shows through.
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

void OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(g_main.window, focus)) g_focusOnDeactivate = focus;
        return;
    }
    // A control that took the focus already (the click that activated the
    // window) keeps it.
    HWND focus = GetFocus();
    if (focus && IsChild(g_main.window, focus)) return;
    HWND restore = g_focusOnDeactivate && IsWindow(g_focusOnDeactivate) ? g_focusOnDeactivate : FirstTabStop();
    if (restore) SetFocus(restore);
}

// The port check shows a modal box, which must not happen inside the focus
// change itself: the edit box would be left believing it still has the
// focus and ignore the next click. So the check runs right after the change,
// still ahead of any input (posted messages come before input).
void OnPortBoxLostFocus() {
    g_portCheckPending = true;
    PostMessageW(g_main.window, kCheckPortMessage, 0, 0);
}

void RunPendingPortCheck() {
    if (!g_portCheckPending) return;
    g_portCheckPending = false;
    ValidatePortBox();
}

void OnClose() {
    // Take the focus off the controls first, so that the port check runs
    // (and shows its box) while the window is still whole.
    SetFocus(g_main.window);
    RunPendingPortCheck();
    DestroyWindow(g_main.window);
}

// Moved to a monitor with another scale: the rectangle Windows suggests,
// and every control, font and icon made again for the new DPI.
void OnDpiChanged(WPARAM wParam, const RECT* suggested) {
    SetWindowPos(g_main.window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutForDpi(g_main, HIWORD(wParam));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kCheckPortMessage:
            RunPendingPortCheck();
            return 0;
        case WM_COMMAND:
            if (lParam != 0 && LOWORD(wParam) == ControlCommandId(编辑框2) && HIWORD(wParam) == EN_KILLFOCUS) {
                OnPortBoxLostFocus();
            } else if (lParam != 0) {
                int index = LOWORD(wParam) - ControlCommandId(static_cast<ControlId>(0));
                if (index >= 0 && index < kControlCount) OnControlCommand(static_cast<ControlId>(index), HIWORD(wParam));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(wParam, reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;  // fixed size, whoever asks
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The window has a fixed size: it opens normal or minimised as launched,
// never maximised (a shortcut set to "maximised" would otherwise stretch it
// over the screen) and never hidden.
int StartingShowCommand(int launchedWith) {
    switch (launchedWith) {
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
        case SW_FORCEMINIMIZE:
            return SW_SHOWMINIMIZED;
        default:
            return SW_SHOWNORMAL;
    }
}

}  // namespace

Text GetControlText(ControlId editBox) { return GbkFromWide(ControlTextW(editBox)); }

void SetControlText(ControlId editBox, std::string_view text) {
    SetWindowTextW(Control(editBox), WideFromGbk(text).c_str());
}

FieldFault ControlTextFault(ControlId editBox) {
    std::wstring text = ControlTextW(editBox);
    for (wchar_t c : text) {
        if (c < 0x20 || c == 0x7F) return FieldFault::ControlCharacter;
    }
    return FitsGbk(text) ? FieldFault::None : FieldFault::NotGbk;
}

bool IsChecked(ControlId checkBox) { return SendMessageW(Control(checkBox), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetDisabled(ControlId control, bool disabled) { EnableWindow(Control(control), disabled ? FALSE : TRUE); }

int RunMainWindow(HINSTANCE instance, int showCommand) {
    if (!BuildMainWindow(instance, MainWindowProc, g_main)) return 1;
    SetMainWindow(g_main.window);
    SetUpEditBoxes();
    NameControlsForScreenReaders(g_main);
    InitMainWindow();

    ShowWindow(g_main.window, StartingShowCommand(showCommand));
    SetForegroundWindow(g_main.window);
    if (GetFocus() == nullptr || GetFocus() == g_main.window) SetFocus(FirstTabStop());

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (HandleWindowKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    ReleaseMainWindow(g_main);
    return 0;
}
