#pragma once

#include "ecr/talon_status_item.h"
#include "ecr/talon_utils.h"

// The status command and the status record it fills.
class TalonStatus : public TalonUtils {
public:
    void RequestStatus();
    const TalonStatusItem& GetStatusItem() const { return StatusItem; }

protected:
    ~TalonStatus() = default;

private:
    TalonStatusItem StatusItem;
};
