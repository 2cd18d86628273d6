// The key filter of the numeric input boxes.
#pragma once

namespace BasOrvalis {

// Returns the key unchanged when it may be typed in a numeric box (digits,
// backspace, tab, line feed, carriage return, space, ",", "-", ".", ":"),
// 0 when it is dropped; the caller beeps on 0.
int FilterNumericKey(int keyAscii);

} // namespace BasOrvalis
