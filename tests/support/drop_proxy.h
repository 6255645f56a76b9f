#pragma once

#include <atomic>
#include <string>
#include <thread>

// A link in the network that fails once: relays every connection made to its own port
// on 127.0.0.1 to a target port there, and cuts the connection both ways right after the
// client has sent its Nth article write ("#r5") whole, before the reply can come back.
// Refusing afterwards, every later connection is refused too (the converter gone for good).
class DropProxy {
public:
    DropProxy(int targetPort, int dropAfterWrites, bool refuseAfterDrop = false);
    ~DropProxy();
    DropProxy(const DropProxy&) = delete;
    DropProxy& operator=(const DropProxy&) = delete;

    int Port() const { return OwnPort; }
    bool Dropped() const { return DroppedOnce; }

private:
    void Run();
    // Relays one connection until either side ends it, the cut comes or Stop is asked.
    void Relay(int client);
    // Counts the writes in what the client sent; true when the cut is due after it.
    bool CutDue(const std::string& bytes);

    int Target;
    int DropAfter;
    bool RefuseAfter;
    int Listener = -1;
    int OwnPort = 0;
    int StopPipe[2] = {-1, -1};
    int Writes = 0;
    std::string Recent; // the client's last bytes, for a command split between reads
    std::atomic<bool> DroppedOnce{false};
    std::thread Thread;
};
