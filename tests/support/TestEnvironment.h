// What every test process needs before its first test: the folder of the
// built programs, unless the environment already names one.
#pragma once

#include <QtGlobal>

inline void setUpTestEnvironment() {
    if (qEnvironmentVariableIsEmpty("ORVALIS_BIN_DIR"))
        qputenv("ORVALIS_BIN_DIR", ORVALIS_BIN_DIR);
}
