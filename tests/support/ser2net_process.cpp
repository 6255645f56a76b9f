#include "tests/support/ser2net_process.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <set>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr auto StartLimit = std::chrono::seconds(10);
constexpr int ListenCheckMs = 5;
const char* const ListenState = "0A"; // LISTEN in /proc/net/tcp

std::string Connection(const std::string& name, const std::string& accepter, int port,
                       const std::string& device, Ser2net::Packing packing) {
    return "connection: &" + name + "\n  accepter: " + accepter + ",127.0.0.1," +
           std::to_string(port) + "\n  connector: serialdev," + device + ",9600n81,local\n" +
           (packing == Ser2net::Packing::Off ? "  options:\n    chardelay: false\n" : "");
}

// The ports that listen on some address, as the kernel lists them.
std::set<int> ListeningPorts() {
    std::set<int> ports;
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line); // the heading
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state;
        fields >> slot >> local >> remote >> state;
        if (state == ListenState) {
            ports.insert(std::stoi(local.substr(local.find(':') + 1), nullptr, 16));
        }
    }
    return ports;
}

bool Running(int pid) {
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

} // namespace

int FreeLocalPort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        throw std::runtime_error("no free local port");
    }
    close(fd);
    return ntohs(address.sin_port);
}

Ser2net::Ser2net(const std::string& rawDevice, const std::string& rfc2217Device,
                 const std::string& folder, Packing packing)
    : Raw(FreeLocalPort()), Telnet(FreeLocalPort()) {
    if (std::string(TALON_SER2NET_BIN).empty()) {
        throw std::runtime_error("ser2net is not installed (scripts/deps.sh installs it)");
    }
    const std::string config = folder + "/ser2net.yaml";
    std::ofstream(config) << Connection("raw", "tcp", Raw, rawDevice, packing)
                          << Connection("rfc2217", "telnet(rfc2217),tcp", Telnet, rfc2217Device,
                                        packing);
    const std::string log = folder + "/ser2net.log";
    Pid = fork();
    if (Pid == 0) {
        // A test or bench that dies must not leave the converter behind.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        // -n in the foreground, -u without UUCP lock files (pseudo-terminals have none).
        execl(TALON_SER2NET_BIN, "ser2net", "-n", "-u", "-c", config.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    // ser2net tells nobody when it listens: the kernel's table of sockets does.
    const auto deadline = std::chrono::steady_clock::now() + StartLimit;
    for (;;) {
        const std::set<int> listening = ListeningPorts();
        if (listening.count(Raw) > 0 && listening.count(Telnet) > 0) {
            return;
        }
        if (!Running(Pid) || std::chrono::steady_clock::now() > deadline) {
            Stop();
            throw std::runtime_error("ser2net did not come up; see " + log);
        }
        poll(nullptr, 0, ListenCheckMs);
    }
}

Ser2net::~Ser2net() {
    Stop();
}

void Ser2net::Stop() {
    if (Pid > 0) {
        kill(Pid, SIGTERM);
        waitpid(Pid, nullptr, 0);
        Pid = -1;
    }
}
