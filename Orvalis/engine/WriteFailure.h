// Why something of the calculator's could not be written: the file, and
// the reason the system gave.
#pragma once

#include <QString>

struct WriteFailure {
    QString file;
    QString reason;
};
