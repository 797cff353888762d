#pragma once

#include <string_view>

// The number at the start of an edit control's text, read as the C runtime's _wtoi reads it:
// leading blanks, an optional sign, then decimal digits up to the first other character; 0 when
// there are none. Values beyond a 32-bit int stop at its limits. Digit-only edits can still receive
// any text pasted into them, so the sign and the limits matter.
int editTextNumber(std::wstring_view text);
