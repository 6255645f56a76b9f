#pragma once

#include <string>

#include "emulator/fault_plan.h"
#include "emulator/register_state.h"

// The command text inside a received frame: the bytes between "P" and the checksum
// (empty for a frame too short to hold a checksum).
std::string FrameCommandText(const std::string& frame);
// The reply bytes for one received frame, faults applied.
std::string AnswerFrame(const std::string& frame, RegisterState& state, FaultPlan& faults);
// The reply body for one command whose checksum was right.
std::string AnswerCommand(const std::string& command, RegisterState& state,
                          const FaultPlan& faults);
