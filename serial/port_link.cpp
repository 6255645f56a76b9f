#include "serial/port_link.h"

#include "serial/rfc2217_link.h"
#include "serial/tcp_link.h"
#include "serial/windows_serial.h"

std::unique_ptr<SerialComm> MakePortLink(const PortSettings& settings,
                                         const std::optional<NetworkAddress>& address) {
    if (!address) {
        return std::make_unique<WindowsSerial>(settings);
    }
    if (address->Scheme == NetworkScheme::Rfc2217) {
        return std::make_unique<Rfc2217Link>(settings, *address);
    }
    return std::make_unique<TcpLink>(settings, *address);
}
