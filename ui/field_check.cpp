#include "ui/field_check.h"

#include "host/gbk_literals.h"
#include "ui/control_names.h"
#include "ui/window_ops.h"

Text UnstorableFieldReason(ControlId editBox) {
    const char* why = nullptr;
    switch (ControlTextFault(editBox)) {
        case FieldFault::None: return Text();
        case FieldFault::NotGbk: why = "含有无法保存到 webd.conf 的字符"; break;
        case FieldFault::ControlCharacter: why = "含有换行符或其他控制字符"; break;
    }
    return TextJoin({NameOfControl(editBox), "：", why});
}
