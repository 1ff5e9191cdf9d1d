#include "process/server_shutdown.h"

#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "process/process_list.h"

void ShutdownRunningServer() {
    ProcessIdList ids;
    FindProcessIdsByName("webd.exe", ids);
    // A copy of this tool saved as webd.exe must not end itself.
    std::erase(ids, OwnProcessId());
    if (ids.empty()) return;
    if (MsgBox("需暂时退出webd，待配置生成完毕再运行\r\n是否需要关闭webd？", kButtonsOkCancel, "注意！") != kAnswerOk) {
        CloseMainWindow();
        ExitProgram(0);
    }
    // No wait and no second look: webd may still be shutting down as the
    // window opens.
    for (uint32_t id : ids) KillProcess(id);
}
