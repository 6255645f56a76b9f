#pragma once

#include <string>

#include "serial/port_settings.h"

// The register's factory manager ("SEF") password. A till that logs in with it keeps no
// password in the tills file.
inline constexpr char FactoryPassword[] = "7351";

// A till of the shop, saved under a name the user chose.
struct Till {
    std::string Name; // UTF-8, any text but empty: Cyrillic, TAB and quotes too
    // As the command line's --port takes it: 1-255, COMn, a device path, "emulator",
    // tcp://HOST:PORT or rfc2217://HOST:PORT.
    std::string Port;
    int Speed = SlowSpeed;                  // or FastSpeed
    std::string Password = FactoryPassword; // UTF-8
    bool Enabled = true;
    // The image name of the register found at the last connection (its fiscal module id,
    // see ImageName): where its image and record of changes are filed. Empty before one.
    std::string FiscalModule;
};
