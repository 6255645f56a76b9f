#include "image/user_data_folder.h"

#include <cstdlib>

std::string UserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && *xdg != 0) {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) + "/.local/share" : ".";
}
