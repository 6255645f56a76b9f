#pragma once

#include <cstdint>
#include <string>

// The two line speeds a Talon register offers, in bit/s.
constexpr int SlowSpeed = 9600;
constexpr int FastSpeed = 19200;

// "9600" or "19200" as a speed; false for any other text.
inline bool ReadLineSpeed(const std::string& text, int& speed) {
    if (text != std::to_string(SlowSpeed) && text != std::to_string(FastSpeed)) {
        return false;
    }
    speed = text == std::to_string(FastSpeed) ? FastSpeed : SlowSpeed;
    return true;
}

// The seven numbers that configure the serial port.
class PortSettings {
public:
    PortSettings() = default; // fields left unset, as the window fills them anew
    PortSettings(std::int32_t port, std::int32_t baudRate, std::int32_t byteSize,
                 std::int32_t parity, std::int32_t stopBits, std::int32_t handshake,
                 std::int32_t dtrControl)
        : Port(port), BaudRate(baudRate), ByteSize(byteSize), StopBits(stopBits), Parity(parity),
          Handshake(handshake), DtrControl(dtrControl) {}

    std::int32_t GetPort() const { return Port; }
    std::int32_t GetBaudRate() const { return BaudRate; }
    std::int32_t GetByteSize() const { return ByteSize; }
    std::int32_t GetStopBits() const { return StopBits; }
    std::int32_t GetParity() const { return Parity; }
    std::int32_t GetHandshake() const { return Handshake; }
    std::int32_t GetDtrControl() const { return DtrControl; }
    void SetPort(std::int32_t v) { Port = v; }
    void SetBaudRate(std::int32_t v) { BaudRate = v; }
    void SetByteSize(std::int32_t v) { ByteSize = v; }
    void SetStopBits(std::int32_t v) { StopBits = v; }
    void SetParity(std::int32_t v) { Parity = v; }
    void SetHandshake(std::int32_t v) { Handshake = v; }
    void SetDtrControl(std::int32_t v) { DtrControl = v; }

private:
    // Stored order: StopBits before Parity, unlike the constructor's argument order.
    std::int32_t Port;
    std::int32_t BaudRate;
    std::int32_t ByteSize;
    std::int32_t StopBits;
    std::int32_t Parity;
    std::int32_t Handshake;
    std::int32_t DtrControl;
};
