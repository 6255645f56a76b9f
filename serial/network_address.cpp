#include "serial/network_address.h"

#include <cctype>
#include <vector>

namespace {

constexpr const char* SchemeSeparator = "://";
constexpr int HighestPort = 65535;
constexpr std::size_t MaxPortDigits = 5;
constexpr int HighestOctet = 255;
constexpr std::size_t Ipv4Parts = 4;
constexpr std::size_t MaxOctetDigits = 3;
constexpr const char* Letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr const char* Digits = "0123456789";

struct SchemeName {
    const char* Name;
    NetworkScheme Scheme;
};
constexpr SchemeName Schemes[] = {{"tcp", NetworkScheme::RawTcp},
                                  {"rfc2217", NetworkScheme::Rfc2217}};

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of(Digits) == std::string::npos;
}

bool SameNoCase(const std::string& a, const char* b) {
    const std::string other = b;
    if (a.size() != other.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != other[i]) {
            return false;
        }
    }
    return true;
}

std::optional<NetworkScheme> SchemeOf(const std::string& name) {
    for (const SchemeName& s : Schemes) {
        if (SameNoCase(name, s.Name)) {
            return s.Scheme;
        }
    }
    return std::nullopt;
}

std::vector<std::string> DotParts(const std::string& host) {
    std::vector<std::string> parts(1);
    for (char c : host) {
        if (c == '.') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

// A host name or a dotted IPv4 address: labels of letters, digits, '-' and '_', none
// empty; all-digit labels in fours are an IPv4 address, each part at most 255.
bool IsNameOrIpv4(const std::string& host) {
    if (host.empty() ||
        host.find_first_not_of(std::string(Letters) + Digits + "-_.") != std::string::npos) {
        return false;
    }
    const std::vector<std::string> parts = DotParts(host);
    bool allDigits = true;
    for (const std::string& part : parts) {
        if (part.empty()) {
            return false;
        }
        allDigits = allDigits && IsDigits(part);
    }
    if (!allDigits) {
        return true;
    }
    if (parts.size() != Ipv4Parts) {
        return false;
    }
    for (const std::string& part : parts) {
        if (part.size() > MaxOctetDigits || std::stoi(part) > HighestOctet) {
            return false;
        }
    }
    return true;
}

// What stands between "[" and "]": hex digits, ':' and '.' (an IPv4 tail), with at
// least one ':', and an optional "%zone".
bool IsIpv6(const std::string& text) {
    const std::string address = text.substr(0, text.find('%'));
    const std::string zone = text.size() > address.size() ? text.substr(address.size() + 1) : "";
    if (text.size() > address.size() && !IsNameOrIpv4(zone)) {
        return false;
    }
    return address.find(':') != std::string::npos &&
           address.find_first_not_of("0123456789abcdefABCDEF:.") == std::string::npos;
}

std::optional<int> PortOf(const std::string& text, bool anyPort) {
    if (!IsDigits(text) || text.size() > MaxPortDigits) {
        return std::nullopt;
    }
    const int port = std::stoi(text);
    if (port < (anyPort ? 0 : 1) || port > HighestPort) {
        return std::nullopt;
    }
    return port;
}

} // namespace

bool LooksLikeNetworkAddress(const std::string& given) {
    const std::size_t separator = given.find(SchemeSeparator);
    if (separator == std::string::npos || separator == 0) {
        return false;
    }
    const std::string scheme = given.substr(0, separator);
    return scheme.find_first_not_of(std::string(Letters) + Digits + "+-.") == std::string::npos;
}

std::optional<NetworkAddress> ParseNetworkAddress(const std::string& given, bool anyPort) {
    if (!LooksLikeNetworkAddress(given)) {
        return std::nullopt;
    }
    const std::size_t separator = given.find(SchemeSeparator);
    const std::optional<NetworkScheme> scheme = SchemeOf(given.substr(0, separator));
    const std::string rest = given.substr(separator + std::string(SchemeSeparator).size());
    const std::size_t colon = rest.rfind(':');
    if (!scheme || colon == std::string::npos) {
        return std::nullopt;
    }
    std::string host = rest.substr(0, colon);
    const std::optional<int> port = PortOf(rest.substr(colon + 1), anyPort);
    const bool bracketed = host.size() >= 2 && host.front() == '[' && host.back() == ']';
    if (bracketed) {
        host = host.substr(1, host.size() - 2);
    }
    if (!port || !(bracketed ? IsIpv6(host) : IsNameOrIpv4(host))) {
        return std::nullopt;
    }
    return NetworkAddress{*scheme, host, *port, given};
}

std::string AddressText(NetworkScheme scheme, const std::string& host, int port) {
    const bool ipv6 = host.find(':') != std::string::npos;
    for (const SchemeName& s : Schemes) {
        if (s.Scheme == scheme) {
            return std::string(s.Name) + SchemeSeparator + (ipv6 ? "[" + host + "]" : host) + ":" +
                   std::to_string(port);
        }
    }
    return {};
}

std::string MalformedAddressText(const std::string& given) {
    return "Neispravna mrezna adresa \"" + given +
           "\": ocekuje se tcp://RACUNAR:PORT ili rfc2217://RACUNAR:PORT";
}
