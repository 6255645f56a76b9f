#pragma once

#include <memory>
#include <optional>

#include "serial/comm.h"
#include "serial/network_address.h"

// The link to a register: its serial port, or the network converter in front of it.
std::unique_ptr<SerialComm> MakePortLink(const PortSettings& settings,
                                         const std::optional<NetworkAddress>& address);
