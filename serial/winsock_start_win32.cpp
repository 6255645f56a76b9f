#include "serial/winsock_start.h"

// clang-format off
#include "text/windows_api.h"
#include <winsock2.h>
// clang-format on

namespace {
constexpr WORD WinsockVersion = MAKEWORD(2, 2);
} // namespace

bool StartWinsock() {
    static const int started = [] {
        WSADATA data;
        return WSAStartup(WinsockVersion, &data);
    }();
    return started == 0;
}
