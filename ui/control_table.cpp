#include "ui/control_table.h"

#include "host/gbk_literals.h"

namespace {
using K = ControlKind;
using F = FontCode;
}  // namespace

// clang-format off
const std::array<ControlRow, kControlCount> kControls = {{
    //  name       kind          left top  width height text                                   enabled ticked tab font
    {编辑框7,   K::EditBox,    104, 212, 300, 32, "指定自定义的浏览器路径(可不做更改)",   true,  false, 30, F::B16},
    {选择框21,  K::CheckBox,   519, 170,  92, 24, "显示隐藏文件",                         false, false, 29, F::Gui},
    {标签3,     K::Label,       72, 170,  40, 24, "权限：",                               true,  false,  0, F::Gui},
    {选择框20,  K::CheckBox,   379, 170, 128, 24, "删除移动重命名文件",                   false, false, 28, F::Gui},
    {选择框19,  K::CheckBox,   300, 170,  68, 24, "上传文件",                             false, false, 27, F::Gui},
    {选择框18,  K::CheckBox,   197, 170,  92, 24, "获取文件列表",                         false, true,  26, F::Gui},
    {选择框17,  K::CheckBox,   118, 170,  68, 24, "访问文件",                             false, true,  25, F::Gui},
    {选择框16,  K::CheckBox,   632, 118,  56, 24, "启用",                                 true,  false, 24, F::B16},
    {选择框15,  K::CheckBox,   632,  66,  56, 24, "启用",                                 true,  true,  23, F::B16},
    {选择框14,  K::CheckBox,   520, 118,  92, 24, "显示隐藏文件",                         false, false, 22, F::Gui},
    {标签2,     K::Label,       73, 118,  40, 24, "权限：",                               true,  false,  0, F::Gui},
    {选择框13,  K::CheckBox,   380, 118, 128, 24, "删除移动重命名文件",                   false, false, 21, F::Gui},
    {选择框12,  K::CheckBox,   301, 118,  68, 24, "上传文件",                             false, true,  20, F::Gui},
    {选择框11,  K::CheckBox,   198, 118,  92, 24, "获取文件列表",                         false, true,  19, F::Gui},
    {选择框10,  K::CheckBox,   119, 118,  68, 24, "访问文件",                             false, true,  18, F::Gui},
    {选择框9,   K::CheckBox,   520,  66,  92, 24, "显示隐藏文件",                         true,  true,  17, F::Gui},
    {标签1,     K::Label,       73,  66,  40, 24, "权限：",                               true,  false,  0, F::Gui},
    {选择框8,   K::CheckBox,   380,  66, 128, 24, "删除移动重命名文件",                   true,  true,  16, F::Gui},
    {选择框7,   K::CheckBox,   301,  66,  68, 24, "上传文件",                             true,  true,  15, F::Gui},
    {选择框6,   K::CheckBox,   198,  66,  92, 24, "获取文件列表",                         true,  true,  14, F::Gui},
    {选择框5,   K::CheckBox,   119,  66,  68, 24, "访问文件",                             true,  true,  13, F::Gui},
    {编辑框6,   K::EditBox,    802, 114, 107, 32, "kemo2",                                false, false, 12, F::B16},
    {编辑框5,   K::EditBox,    693, 114, 107, 32, "user2",                                false, false, 11, F::B16},
    {编辑框4,   K::EditBox,    802,  63, 107, 32, "kemo1",                                true,  false, 10, F::B16},
    {编辑框3,   K::EditBox,    693,  63, 107, 32, "user1",                                true,  false,  9, F::B16},
    {选择框4,   K::CheckBox,   632, 171,  56, 24, "启用",                                 true,  false,  8, F::B16},
    {选择框3,   K::CheckBox,     1, 217,  92, 24, "隐藏托盘图标",                         true,  false,  7, F::N12},
    {选择框2,   K::CheckBox,   848,  23,  60, 18, "IPV6",                                 true,  false,  6, F::B16},
    {选择框1,   K::CheckBox,   848,   7,  60, 18, "IPV4",                                 false, true,   5, F::B16},
    {编辑框2,   K::EditBox,    754,   8,  80, 32, "9212",                                 true,  false,  4, F::B16},
    {透明标签2, K::TransLabel, 667,   8,  80, 32, "监听端口：",                           true,  false,  0, F::B16},
    {按钮2,     K::Button,     563,   7,  80, 32, "开启删除功能",                         true,  false,  3, F::Gui},
    {编辑框1,   K::EditBox,    125,   8, 435, 32, "请输入绝对路径",                       true,  false,  2, F::B16},
    {透明标签1, K::TransLabel,   8,   8, 112, 32, "网盘文件路径：",                       true,  false,  0, F::B16},
    {按钮1,     K::Button,     417, 213,  80, 32, "生成",                                 true,  false,  1, F::Gui},
    {图片框1,   K::PicBox,     661,   0, 250, 48, nullptr,                                true,  false,  0, F::None},
    {图片框3,   K::PicBox,       0,   0, 648, 48, nullptr,                                true,  false,  0, F::None},
    {透明标签5, K::TransLabel,   8, 163,  60, 32, "访客：",                               true,  false,  0, F::B16},
    {透明标签4, K::TransLabel,   8, 112,  60, 32, "用户2：",                              true,  false,  0, F::B16},
    {透明标签3, K::TransLabel,   8,  61,  60, 32, "用户1：",                              true,  false,  0, F::B16},
    {图片框2,   K::PicBox,       0,  58, 912, 144, nullptr,                               true,  false,  0, F::None},
}};
// clang-format on
