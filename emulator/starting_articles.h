#pragma once

#include "emulator/register_state.h"
#include "emulator/talon_emulator.h"

// Fills the database the register starts with: the demo set and then the article file,
// each article at its own location. Throws std::runtime_error when the file cannot be read.
void LoadStartingArticles(const EmulatorOptions& options, RegisterState& state);
