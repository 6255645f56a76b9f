#include "ecr/talon_status.h"

void TalonStatus::RequestStatus() {
    StatusItem.Parse(Transact("$s"));
}
