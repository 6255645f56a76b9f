#pragma once

#include "serial/ecr_error.h"

// What the system's "access denied" means when a serial port will not open: Windows
// answers so for a COM port that another program holds, Linux for a device the user may
// not open.
extern const PortFault DeniedPortFault;
