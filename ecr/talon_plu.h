#pragma once

#include <cstdint>

#include "ecr/talon_utils.h"

class TalonPLUItem;

// The article commands: write, read and delete one article by its number.
class TalonPLU : public TalonUtils {
public:
    std::int32_t WriteArticle(const TalonPLUItem& record, std::int32_t number);
    // The record's NextID, or -1 when the register answered with an error reply.
    std::int32_t ReadArticle(std::int32_t number, TalonPLUItem& record);
    std::int32_t DeleteArticle(std::int32_t number);

protected:
    ~TalonPLU() = default;
};

class TalonReport : public TalonPLU {
protected:
    ~TalonReport() = default;
};
