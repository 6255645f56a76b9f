#pragma once

#include "plu/talon_plu_item.h"

class TalonECR;

// The article the register holds at a location; false when it holds none there.
bool ReadBack(TalonECR& ecr, int location, TalonPLUItem& read);
