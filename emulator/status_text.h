#pragma once

#include <string>

#include "emulator/register_state.h"

// The body of the status reply: seventeen fields, each followed by its ending byte.
std::string StatusText(const RegisterState& state);
