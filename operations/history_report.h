#pragma once

#include <string>
#include <system_error>
#include <vector>

// Reading the record of changes back (see change_record.h).

// A date as "YYYY-MM-DD" with a month 01-12 and a day 01-31.
bool IsHistoryDate(const std::string& text);

// The registers of the image folder that have a record, by name, in name order. `failed`
// tells a folder that is there but cannot be read; a missing one holds no record.
std::vector<std::string> RegistersWithHistory(const std::string& folder, std::error_code& failed);

// A register's name as typed (UTF-8) turned into the name its image has: a saved till's
// name gives the image found at its last connection; any other name is taken as an
// image's own.
std::string HistoryNameOf(const std::string& typed);
