#include "serial/denied_port.h"

// A device file whose rights keep the user out (not in the group dialout); a device held
// by another program answers "busy" instead.
const PortFault DeniedPortFault = PortFault::AccessDenied;
