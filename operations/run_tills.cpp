#include "operations/run_tills.h"

#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "image/register_image.h"
#include "operations/operation_sinks.h"
#include "operations/reconnection.h"
#include "operations/register_log.h"
#include "serial/ecr_error.h"
#include "serial/port_link.h"
#include "text/code_page.h"

namespace {

const char* const StoppedText = "Prekinuto";

// The till's own progress, which also stops when every till is asked to.
class SharedStopProgress : public ProgressSink {
public:
    SharedStopProgress(ProgressSink& inner, const std::atomic<bool>& stop)
        : Inner(inner), Stop(stop) {}
    void Begin(int min, int max) override { Inner.Begin(min, max); }
    void Step(int n) override { Inner.Step(n); }
    void End() override { Inner.End(); }
    bool StopRequested() override { return Stop.load() || Inner.StopRequested(); }

private:
    ProgressSink& Inner;
    const std::atomic<bool>& Stop;
};

TillResult Ended(TillEnd end, const ECRString& text) {
    TillResult result;
    result.End = end;
    result.Text = text;
    return result;
}

TillResult ConnectFailed(ConnectOutcome outcome) {
    switch (outcome) {
    case ConnectOutcome::PasswordRefused:
        return Ended(TillEnd::Refused, "Kasa je odbila lozinku");
    case ConnectOutcome::PortNotOpened:
        return Ended(TillEnd::NoRegister, "Port nije moguce otvoriti");
    case ConnectOutcome::NoAnswer:
    case ConnectOutcome::Connected:
        break;
    }
    return Ended(TillEnd::NoRegister, "Kasa ne odgovara");
}

// The job on a connected register; a link that fails on the way ends it as LinkFailed.
TillResult RunJob(TillSession& session, TillWork& work) {
    try {
        return work.Job(session);
    } catch (const ECRError& error) {
        session.Progress.End();
        const ECRString line = LinkErrorLine(error);
        session.Log.Line(line);
        return Ended(TillEnd::LinkFailed, line);
    }
}

// The register's image name when its status was asked; empty when it never answered one.
std::string FiscalModuleOf(const TalonECR& ecr) {
    const TalonStatusItem& status = ecr.GetStatusItem();
    const bool known =
        status.GetFiscalModuleId().GetLength() > 0 || status.GetTaxId().GetLength() > 0;
    return known ? ImageName(status) : std::string();
}

TillResult Connected(TillWork& work, ProgressSink& progress, const std::string& imageFolder) {
    const TillTarget& target = work.Target;
    LogSink& log = *work.Log;
    if (!target.Failure.empty()) {
        log.Line(Utf8ToCp1251(target.Failure).c_str());
        LogConnectFailure(log);
        return Ended(TillEnd::NoRegister, Utf8ToCp1251(target.Failure).c_str());
    }
    const std::unique_ptr<SerialComm> link =
        MakePortLink(RegisterPortSettings(target.Number, target.Speed), target.Address);
    std::unique_ptr<TalonECR> ecr;
    const ConnectOutcome connected =
        ConnectRegister(*link, ecr, target.Password, target.Printing, log);
    if (connected != ConnectOutcome::Connected) {
        return ConnectFailed(connected);
    }
    if (progress.StopRequested()) {
        link->Close();
        return Ended(TillEnd::Stopped, StoppedText);
    }
    ImageKeeper image(imageFolder);
    // A serial line that fails stays failed; a converter's connection can be made again.
    std::unique_ptr<Reconnection> reconnection;
    if (target.Address) {
        reconnection =
            std::make_unique<Reconnection>(*link, *ecr, target.Password, target.Printing);
    }
    TillSession session{target, *ecr, image, reconnection.get(), log, progress};
    TillResult result = RunJob(session, work);
    result.FiscalModule = FiscalModuleOf(*ecr);
    link->Close();
    return result;
}

void RunOne(TillWork& work, const std::string& imageFolder, const std::atomic<bool>& stop,
            TillResult& result) {
    SharedStopProgress progress(*work.Progress, stop);
    try {
        result = Connected(work, progress, imageFolder);
    } catch (const std::exception& error) {
        // Nothing may leave the till's thread; what failed is told, not lost.
        const ECRString line = ECRString("Greska: ") + Utf8ToCp1251(error.what()).c_str();
        work.Log->Line(line);
        result = Ended(TillEnd::Blocked, line);
    }
    result.Finished = std::chrono::system_clock::now();
    if (work.Finished) {
        work.Finished(result);
    }
}

} // namespace

std::vector<TillResult> RunTills(std::vector<TillWork>& work, const std::string& imageFolder,
                                 const std::atomic<bool>& stop) {
    std::vector<TillResult> results(work.size());
    if (work.size() == 1) {
        RunOne(work[0], imageFolder, stop, results[0]);
        return results;
    }
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < work.size(); ++i) {
        try {
            threads.emplace_back(RunOne, std::ref(work[i]), std::cref(imageFolder), std::cref(stop),
                                 std::ref(results[i]));
        } catch (const std::system_error&) {
            RunOne(work[i], imageFolder, stop, results[i]); // no thread left: here, in turn
        }
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    return results;
}
