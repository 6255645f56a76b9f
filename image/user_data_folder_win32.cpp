#include "image/user_data_folder.h"

#include <cstdlib>

#include "text/wide_path.h"

// Read wide: a profile named outside the system's code page must come through whole.
std::string UserDataFolder() {
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    return local != nullptr && *local != 0 ? FromWide(local) : ".";
}
