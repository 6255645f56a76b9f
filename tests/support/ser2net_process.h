#pragma once

#include <string>

// Debian's ser2net, the network converter of many shops, in front of two devices: one
// offered as raw TCP, one under RFC 2217, both on 127.0.0.1 at free ports, from a YAML
// configuration written into `folder`. Stopped when this goes.
class Ser2net {
public:
    // Its wait after each byte from the line before passing what it has on (two character
    // times by default), or none: each reply leaves as it comes.
    enum class Packing { Default, Off };

    // Starts it and waits until both ports listen; throws std::runtime_error when it
    // cannot be started or does not come up.
    Ser2net(const std::string& rawDevice, const std::string& rfc2217Device,
            const std::string& folder, Packing packing = Packing::Default);
    ~Ser2net();
    Ser2net(const Ser2net&) = delete;
    Ser2net& operator=(const Ser2net&) = delete;

    int RawPort() const { return Raw; }
    int Rfc2217Port() const { return Telnet; }

private:
    void Stop();

    int Pid = -1;
    int Raw = 0;
    int Telnet = 0;
};

// A TCP port on 127.0.0.1 that nothing listens on right now.
int FreeLocalPort();
