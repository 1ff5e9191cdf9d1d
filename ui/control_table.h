// The 41 controls of the main window, one row each, in table position order:
// position 1 lies on top, 41 at the bottom. Creation, stacking and the tab
// order are all loops over this table.
#pragma once

#include <array>

enum class ControlKind { EditBox, CheckBox, Label, TransLabel, Button, PicBox };
enum class FontCode { None, B16, N12, Gui };

// The controls by name, in table position order (position = value + 1).
enum ControlId : int {
    编辑框7, 选择框21, 标签3, 选择框20, 选择框19, 选择框18, 选择框17, 选择框16, 选择框15, 选择框14,
    标签2, 选择框13, 选择框12, 选择框11, 选择框10, 选择框9, 标签1, 选择框8, 选择框7, 选择框6,
    选择框5, 编辑框6, 编辑框5, 编辑框4, 编辑框3, 选择框4, 选择框3, 选择框2, 选择框1, 编辑框2,
    透明标签2, 按钮2, 编辑框1, 透明标签1, 按钮1, 图片框1, 图片框3, 透明标签5, 透明标签4, 透明标签3,
    图片框2,
    kControlCount
};

struct ControlRow {
    ControlId id;
    ControlKind kind;
    int left, top, width, height;
    const char* text;  // GBK; nullptr for the panels
    bool enabled;
    bool ticked;
    int tab;  // 0: not in the tab order
    FontCode font;
};

extern const std::array<ControlRow, kControlCount> kControls;

// Window command ids: clear of IDOK (1) and IDCANCEL (2), which Enter and
// Escape would otherwise stand for.
constexpr int ControlCommandId(ControlId id) { return 100 + static_cast<int>(id) + 1; }

inline constexpr int kWindowWidth = 920;
inline constexpr int kWindowHeight = 279;
