#include "emulator/talon_emulator.h"

#include "emulator/emulator_state.h"
#include "emulator/starting_articles.h"
#include "serial/network_address.h"

TalonEmulator::TalonEmulator(EmulatorOptions options) : S(std::make_unique<State>(options)) {
    LoadStartingArticles(S->Options, S->Register);
}

TalonEmulator::~TalonEmulator() {
    CloseDevice();
}

void TalonEmulator::Start() {
    const std::lock_guard<std::mutex> control(S->Control);
    if (S->Server.joinable()) {
        return;
    }
    if (!S->Device.IsOpen()) {
        S->Device.Open();
        const std::lock_guard<std::mutex> hold(S->Lock);
        S->Path = S->Device.Path();
    }
    S->Stop.Reset();
    S->Server =
        std::thread([state = S.get(), master = S->Device.MasterFd()] { state->Serve(master); });
}

void TalonEmulator::Listen(const std::string& host, int port) {
    const std::lock_guard<std::mutex> control(S->Control);
    if (S->Server.joinable()) {
        return;
    }
    S->Listener.Open(host, port);
    {
        const std::lock_guard<std::mutex> hold(S->Lock);
        S->Path = AddressText(NetworkScheme::RawTcp, host, S->Listener.Port());
    }
    S->Stop.Reset();
    S->Server = std::thread([state = S.get()] { state->ServeConnections(); });
}

void TalonEmulator::Stop() {
    const std::lock_guard<std::mutex> control(S->Control);
    if (S->Server.joinable()) {
        S->Stop.Raise();
        S->Server.join();
    }
}

void TalonEmulator::CloseDevice() {
    Stop();
    const std::lock_guard<std::mutex> control(S->Control);
    S->Device.Close();
    S->Listener.Close();
    // A new device means a new connection: the program logs in again.
    const std::lock_guard<std::mutex> hold(S->Lock);
    S->Register.LogOut();
}

std::string TalonEmulator::DevicePath() const {
    const std::lock_guard<std::mutex> hold(S->Lock);
    return S->Path;
}
