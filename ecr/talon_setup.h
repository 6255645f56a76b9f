#pragma once

#include <cstdint>

#include "ecr/talon_utils.h"

// The print switch command.
class TalonSetup : public TalonUtils {
public:
    // "#y1" SEP "1"/"0" SEP; the register's code, 0 on success.
    std::int32_t SetPrinting(bool on);

protected:
    ~TalonSetup() = default;
};
