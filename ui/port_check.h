#pragma once

#include "host/text.h"

// The port box keeps what the user typed when it reads as 0 to 65535
// (TextToInt, so "" and "12abc" pass); anything else is replaced.
bool IsPortTextAccepted(std::string_view portText);

// What the port box is reset to when its text is refused.
inline constexpr char kDefaultPort[] = "9212";
