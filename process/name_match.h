#pragma once

// Compares two NUL-terminated UTF-16 strings unit by unit, ASCII letters
// without regard to case, terminators included: 0 means they match. A null
// string sorts before any other (-1 when only the first is null, 1 when only
// the second is, 0 when both are).
int CompareWideNoCase(const char16_t* first, const char16_t* second);
