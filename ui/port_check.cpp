#include "ui/port_check.h"

bool IsPortTextAccepted(std::string_view portText) {
    int32_t v = TextToInt(portText);
    return v >= 0 && v <= 65535;
}
