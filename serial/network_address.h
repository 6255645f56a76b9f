#pragma once

#include <optional>
#include <string>

// A register behind a network converter: the serial line offered as raw TCP (the
// converter keeps its own line settings) or as RFC 2217 (the program sets them).
enum class NetworkScheme { RawTcp, Rfc2217 };

struct NetworkAddress {
    NetworkScheme Scheme = NetworkScheme::RawTcp;
    std::string Host; // a name, an IPv4 address, or an IPv6 address without its brackets
    int Port = 0;
    std::string Text; // as the user wrote it
};

// True for anything written as "SCHEME://...": the user meant a network address, so a
// malformed one is refused rather than taken for a device path.
bool LooksLikeNetworkAddress(const std::string& given);

// "tcp://HOST:PORT" or "rfc2217://HOST:PORT", HOST a name, an IPv4 address or
// "[IPv6]", PORT 1 to 65535 (or 0 with anyPort: a listener's "any free port"); nothing
// when the text is not such an address.
std::optional<NetworkAddress> ParseNetworkAddress(const std::string& given, bool anyPort = false);

// "tcp://HOST:PORT" again, the host in brackets when it is an IPv6 address.
std::string AddressText(NetworkScheme scheme, const std::string& host, int port);

// The line that refuses a malformed address.
std::string MalformedAddressText(const std::string& given);
