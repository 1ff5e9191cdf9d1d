#include "ui/control_names.h"

#include "host/gbk_literals.h"

// In tab order. The account rows' captions repeat ("启用", "访问文件" …), so
// their names say whose row they are in.
const ControlName kControlNames[30] = {
    {按钮1, "生成"},
    {编辑框1, "网盘文件路径"},
    {按钮2, "开启删除功能"},
    {编辑框2, "监听端口"},
    {选择框1, "监听 IPV4"},
    {选择框2, "监听 IPV6"},
    {选择框3, "隐藏托盘图标"},
    {选择框4, "访客 启用"},
    {编辑框3, "用户1 用户名"},
    {编辑框4, "用户1 密码"},
    {编辑框5, "用户2 用户名"},
    {编辑框6, "用户2 密码"},
    {选择框5, "用户1 访问文件"},
    {选择框6, "用户1 获取文件列表"},
    {选择框7, "用户1 上传文件"},
    {选择框8, "用户1 删除移动重命名文件"},
    {选择框9, "用户1 显示隐藏文件"},
    {选择框10, "用户2 访问文件"},
    {选择框11, "用户2 获取文件列表"},
    {选择框12, "用户2 上传文件"},
    {选择框13, "用户2 删除移动重命名文件"},
    {选择框14, "用户2 显示隐藏文件"},
    {选择框15, "用户1 启用"},
    {选择框16, "用户2 启用"},
    {选择框17, "访客 访问文件"},
    {选择框18, "访客 获取文件列表"},
    {选择框19, "访客 上传文件"},
    {选择框20, "访客 删除移动重命名文件"},
    {选择框21, "访客 显示隐藏文件"},
    {编辑框7, "浏览器路径"},
};

const char* NameOfControl(ControlId id) {
    for (const ControlName& n : kControlNames) {
        if (n.id == id) return n.name;
    }
    return nullptr;
}
