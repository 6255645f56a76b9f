#pragma once

#include "serial/ecr_error.h"

// The code of the ECRError that action throws, or 0 when it throws none.
template <typename Action> int ErrorCodeOf(Action action) {
    try {
        action();
    } catch (const ECRError& e) {
        return e.GetErrorCode();
    }
    return 0;
}
