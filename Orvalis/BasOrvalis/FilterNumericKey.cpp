// The keys a numeric input box accepts.
#include "BasOrvalis/FilterNumericKey.h"

namespace BasOrvalis {

int FilterNumericKey(int keyAscii) {
    switch (keyAscii) {
    case 8:  // backspace
    case 9:  // tab
    case 10: // line feed
    case 13: // carriage return
    case ' ':
    case ',':
    case '-':
    case '.':
    case ':':
        return keyAscii;
    default:
        return keyAscii >= '0' && keyAscii <= '9' ? keyAscii : 0;
    }
}

} // namespace BasOrvalis
