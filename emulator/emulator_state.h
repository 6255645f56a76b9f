#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "emulator/fault_plan.h"
#include "emulator/pty_device.h"
#include "emulator/register_state.h"
#include "emulator/stop_signal.h"
#include "emulator/talon_emulator.h"
#include "emulator/tcp_listener.h"

// What a TalonEmulator holds: the register, its faults and records, and the device it
// serves with its thread.
struct TalonEmulator::State {
    explicit State(const EmulatorOptions& options) : Options(options), Register(options) {}

    // The answer to one enquiry or frame, recorded; nothing when the register is silent.
    std::optional<std::string> Answer(const std::string& unit);
    void Serve(LineHandle line);
    // Takes the listener's connections one after another and serves each.
    void ServeConnections();

    const EmulatorOptions Options;
    mutable std::mutex Lock; // guards everything below but the serving machinery
    RegisterState Register;
    FaultPlan Faults;
    std::vector<std::string> Frames;
    std::vector<std::string> Commands;
    std::string Path;
    std::atomic<std::uint64_t> LineBytes{0};

    std::mutex Control; // Start, Stop and CloseDevice one at a time
    PtyDevice Device;
    TcpListener Listener;
    StopSignal Stop;
    std::thread Server;
};
