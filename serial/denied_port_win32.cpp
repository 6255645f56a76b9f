#include "serial/denied_port.h"

// The serial driver lets one program at a time open a port and refuses the next one
// access; Windows puts no rights on COM ports that a user could lack.
const PortFault DeniedPortFault = PortFault::Busy;
