#include "operations/user_data_folder.h"

#include <cstdlib>

std::string UserDataFolder() {
    const char* local = std::getenv("LOCALAPPDATA");
    return local != nullptr && *local != 0 ? local : ".";
}
