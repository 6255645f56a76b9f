#pragma once

#include <string>

// The folder where this user's programs keep their data: $XDG_DATA_HOME, else
// ~/.local/share; %LOCALAPPDATA% on Windows. "." when the system names none.
std::string UserDataFolder();
