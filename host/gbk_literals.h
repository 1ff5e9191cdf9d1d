// Narrow literals in files that include this are compiled to GBK
// (-fexec-charset=GBK; /execution-charset:.936 for MSVC), so "生成" is the
// four bytes the window shows and webd.conf holds.
#pragma once

static_assert(sizeof("文") == 3, "narrow string literals must be compiled as GBK");
