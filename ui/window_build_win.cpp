#include "ui/window_build_win.h"

#include <commctrl.h>

#include "host/win_text.h"

namespace {

// Per-monitor DPI calls exist from Windows 10 (1607) on; Windows 7 and 8
// have one DPI for the whole system.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int SystemDpi() {
    static const auto getDpiForSystem = User32Function<UINT(WINAPI*)()>("GetDpiForSystem");
    return getDpiForSystem ? static_cast<int>(getDpiForSystem()) : ScreenDpi();
}

int DpiOfWindow(HWND window) {
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

HFONT MakeFont(int height96, int weight, int dpi) {
    // No face name: the system picks one that has the Chinese characters.
    return CreateFontW(-ScaleLength(height96, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, nullptr);
}

// The stock GUI font is made for the system's DPI only; on a monitor with
// another scale the same font is made at that scale.
HFONT MakeGuiFont(int dpi) {
    int system = SystemDpi();
    if (dpi == system) return nullptr;
    LOGFONTW font = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfHeight = MulDiv(font.lfHeight, dpi, system);
    return CreateFontIndirectW(&font);
}

HFONT FontFor(const MainWindow& w, FontCode code) {
    switch (code) {
        case FontCode::B16: return w.b16;
        case FontCode::N12: return w.n12;
        case FontCode::Gui: return w.gui ? w.gui : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        case FontCode::None: break;
    }
    return nullptr;
}

LayoutRect ControlRect(const ControlRow& row, int dpi) {
    return ScaleRect({row.left, row.top, row.width, row.height}, dpi);
}

struct ClassAndStyle {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle ClassFor(const ControlRow& row) {
    // Every control clips its siblings so that the stacking order decides
    // who draws where they overlap.
    const DWORD base = WS_CHILD | WS_CLIPSIBLINGS | (row.enabled ? 0 : WS_DISABLED);
    switch (row.kind) {
        case ControlKind::EditBox: {
            DWORD align = (row.id == 编辑框1 || row.id == 编辑框7) ? ES_LEFT : ES_CENTER;
            return {L"EDIT", base | WS_TABSTOP | ES_AUTOHSCROLL | align, WS_EX_CLIENTEDGE};
        }
        case ControlKind::CheckBox:
            return {L"BUTTON", base | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0};
        case ControlKind::Button:
            return {L"BUTTON", base | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
        case ControlKind::Label:
        case ControlKind::TransLabel:
            return {L"STATIC", base | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0};
        case ControlKind::PicBox:
            return {L"STATIC", base | WS_BORDER, 0};
    }
    return {L"STATIC", base, 0};
}

// Fonts and icons for the DPI; the old ones are given back once nothing uses them.
void MakeFontsAndIcons(MainWindow& w, int dpi) {
    HFONT oldB16 = w.b16, oldN12 = w.n12, oldGui = w.gui;
    HICON oldBig = w.bigIcon, oldSmall = w.smallIcon;
    w.dpi = dpi;
    w.b16 = MakeFont(16, FW_BOLD, dpi);
    w.n12 = MakeFont(12, FW_NORMAL, dpi);
    w.gui = MakeGuiFont(dpi);
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(w.window, GWLP_HINSTANCE));
    w.bigIcon = static_cast<HICON>(
        LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, ScaleLength(32, dpi), ScaleLength(32, dpi), 0));
    w.smallIcon = static_cast<HICON>(
        LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, ScaleLength(16, dpi), ScaleLength(16, dpi), 0));
    // As window icons too, so that the caption, Alt+Tab and WM_GETICON agree.
    SendMessageW(w.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(w.bigIcon));
    SendMessageW(w.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(w.smallIcon));
    for (const ControlRow& row : kControls) {
        HFONT font = FontFor(w, row.font);
        if (font && w.controls[row.id]) SendMessageW(w.controls[row.id], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    for (HGDIOBJ old : {static_cast<HGDIOBJ>(oldB16), static_cast<HGDIOBJ>(oldN12), static_cast<HGDIOBJ>(oldGui)}) {
        if (old) DeleteObject(old);
    }
    if (oldBig) DestroyIcon(oldBig);
    if (oldSmall) DestroyIcon(oldSmall);
}

void CreateControls(MainWindow& w, HINSTANCE instance) {
    // Made hidden from the bottom of the table to the top.
    for (int i = kControlCount - 1; i >= 0; --i) {
        const ControlRow& row = kControls[static_cast<size_t>(i)];
        ClassAndStyle cs = ClassFor(row);
        std::wstring text = row.text ? WideFromGbk(row.text) : std::wstring();
        LayoutRect r = ControlRect(row, w.dpi);
        HWND control = CreateWindowExW(cs.exStyle, cs.windowClass, text.c_str(), cs.style, r.left, r.top, r.width,
                                       r.height, w.window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlCommandId(row.id))),
                                       instance, nullptr);
        w.controls[row.id] = control;
        if (HFONT font = FontFor(w, row.font)) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (row.kind == ControlKind::CheckBox && row.ticked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    }
    // Stacking in table order: position 1 on top, each next one just below.
    HWND above = HWND_TOP;
    for (const ControlRow& row : kControls) {
        SetWindowPos(w.controls[row.id], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = w.controls[row.id];
    }
    for (const ControlRow& row : kControls) ShowWindow(w.controls[row.id], SW_SHOWNA);
}

}  // namespace

bool BuildMainWindow(HINSTANCE instance, WNDPROC windowProc, MainWindow& w) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    RegisterClassExW(&wc);

    // A fixed frame with caption, system menu and close only.
    w.window = CreateWindowExW(0, kMainWindowClass, L"Kelvara", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0,
                               kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!w.window) return false;

    // The outer size is the layout's, scaled; centred on the primary screen.
    const int dpi = DpiOfWindow(w.window);
    const int width = ScaleLength(kWindowWidth, dpi);
    const int height = ScaleLength(kWindowHeight, dpi);
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    LayoutPoint at = StartPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                   {work.left, work.top, work.right - work.left, work.bottom - work.top}, width, height);
    SetWindowPos(w.window, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    MakeFontsAndIcons(w, dpi);
    CreateControls(w, instance);
    return true;
}

void LayOutForDpi(MainWindow& w, int dpi) {
    for (const ControlRow& row : kControls) {
        LayoutRect r = ControlRect(row, dpi);
        SetWindowPos(w.controls[row.id], nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    MakeFontsAndIcons(w, dpi);
    InvalidateRect(w.window, nullptr, TRUE);
}

void ReleaseMainWindow(MainWindow& w) {
    for (HGDIOBJ font : {static_cast<HGDIOBJ>(w.b16), static_cast<HGDIOBJ>(w.n12), static_cast<HGDIOBJ>(w.gui)}) {
        if (font) DeleteObject(font);
    }
    if (w.bigIcon) DestroyIcon(w.bigIcon);
    if (w.smallIcon) DestroyIcon(w.smallIcon);
    w = MainWindow();
}

const ControlRow* RowOfControl(const MainWindow& w, HWND control) {
    for (const ControlRow& row : kControls) {
        if (w.controls[row.id] == control) return &row;
    }
    return nullptr;
}
