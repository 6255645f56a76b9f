#include "bench/network_rows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/bench_articles.h"
#include "bench/cli_run.h"
#include "cli/emulator_child.h"
#include "tests/support/drop_proxy.h"
#include "tests/support/ser2net_process.h"

namespace {

constexpr int Baud = 9600;
constexpr int Articles = 300;
constexpr int CutAfterWrites = 150;
constexpr int Runs = 3;
const std::string NetworkFile = "/tmp/talon-bench-network-articles.txt";

// The paced emulator with ser2net in front of its line.
struct Converter {
    explicit Converter(Ser2net::Packing packing)
        : Register(TALON_EMULATOR_BIN, {"--baud", std::to_string(Baud)}) {
        char folder[] = "/tmp/talon-bench-ser2net-XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            throw std::runtime_error("no folder for ser2net's configuration");
        }
        Front = std::make_unique<Ser2net>(Register.DevicePath(), Register.DevicePath(), folder,
                                          packing);
    }

    EmulatorChild Register;
    std::unique_ptr<Ser2net> Front;
};

// Seconds of a send of the file through the port, and the line time of its exchanges.
double TimedSend(int port, EmulatorChild& emulator, double& lineSeconds) {
    const long long before = emulator.LineBytes();
    const auto start = std::chrono::steady_clock::now();
    const std::string address = "rfc2217://127.0.0.1:" + std::to_string(port);
    if (RunCliToEnd({"send", NetworkFile, "--quiet", "--port", address}) != 0) {
        throw std::runtime_error("talonsendplu-cli send through ser2net failed");
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    lineSeconds = (emulator.LineBytes() - before) * 10.0 / Baud;
    return seconds.count();
}

} // namespace

void NetworkRows(std::vector<BenchRow>& rows) {
    // ser2net as the README advises a converter to be set: no packing wait.
    BenchRow whole{
        "cli send 300 at 9600 via ser2net RFC 2217: time / line time", "(ratio)", {}, 1.05};
    BenchRow cut{"the same, connection cut once at 150: time / line time of 300 writes",
                 "(ratio)",
                 {},
                 1.10};
    BenchRow packed{"the same whole, ser2net's default packing wait", "(ratio)", {}, 0};
    WriteArticleFile(NetworkFile, Articles);
    for (int run = 0; run < Runs; ++run) {
        double line = 0;
        Converter plain(Ser2net::Packing::Off);
        const double seconds = TimedSend(plain.Front->Rfc2217Port(), plain.Register, line);
        whole.Samples.push_back(seconds / line);
        std::fprintf(stderr, "  ser2net run %d: %.3f s (line %.3f s)\n", run + 1, seconds, line);

        Converter dropping(Ser2net::Packing::Off);
        DropProxy proxy(dropping.Front->Rfc2217Port(), CutAfterWrites);
        double lineWithRecovery = 0;
        const double cutSeconds = TimedSend(proxy.Port(), dropping.Register, lineWithRecovery);
        if (!proxy.Dropped()) {
            throw std::runtime_error("the proxy never cut the connection");
        }
        // Against the line time of the 300 writes alone: the recovery's exchanges count
        // against the goal.
        cut.Samples.push_back(cutSeconds / line);
        std::fprintf(stderr, "  ser2net cut run %d: %.3f s (line %.3f s, with recovery %.3f s)\n",
                     run + 1, cutSeconds, line, lineWithRecovery);

        Converter packing(Ser2net::Packing::Default);
        double packedLine = 0;
        const double packedSeconds =
            TimedSend(packing.Front->Rfc2217Port(), packing.Register, packedLine);
        packed.Samples.push_back(packedSeconds / packedLine);
        std::fprintf(stderr, "  ser2net default packing run %d: %.3f s (line %.3f s)\n", run + 1,
                     packedSeconds, packedLine);
    }
    rows.insert(rows.end(), {whole, cut, packed});
}
