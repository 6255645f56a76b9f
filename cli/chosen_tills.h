#pragma once

#include <string>
#include <vector>

#include "tills/till.h"

struct CliOptions;
class TillList;

// The saved tills the options name: those of --register in the order given, then every
// other till that is on for --all. False, with why in `failure`, for a name not saved
// (Kasa "NAME" nije sacuvana), for --all without a till that is on, and for a port that a
// --port or another till opens too.
bool ChooseTills(const CliOptions& options, const TillList& list, std::vector<Till>& chosen,
                 std::string& failure);
