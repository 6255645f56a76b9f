#pragma once

#include <string>

// A symbolic link to the device, made at a fixed path so a program can be pointed at it
// before the device's own name is known. Removed again when this goes.
class DeviceLink {
public:
    DeviceLink() = default;
    ~DeviceLink() { Remove(); }
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Makes linkPath, replacing a symbolic link already there but nothing else; throws
    // std::runtime_error on failure.
    void Make(const std::string& linkPath, const std::string& target);
    // Removes the link when it still points where this made it point.
    void Remove();

private:
    std::string Link;
    std::string Target;
};
