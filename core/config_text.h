#pragma once

#include "core/settings.h"

// The initial text of the browser field; left as it is, it means "no browser".
extern const char kBrowserPlaceholder[];

Text PermissionLetters(const Permissions& rights);

// The whole of webd.conf: CR LF line ends, GBK, no byte-order mark. The
// browser entry, when present, is last and has no line end.
Text BuildConfigText(const Settings& settings);
