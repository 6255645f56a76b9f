#include "ui/main/tills_in_background.h"

#include <QEventLoop>

#include <algorithm>
#include <exception>
#include <memory>
#include <numeric>
#include <thread>

#include "operations/operation_sinks.h"
#include "ui/common/text_convert.h"

namespace {

// Calls `call` on the thread of `receiver` (the window's), in the order posted.
template <typename Call> void Post(QObject& receiver, Call call) {
    QMetaObject::invokeMethod(&receiver, std::move(call), Qt::QueuedConnection);
}

// A till's lines, kept on its own thread until it ends.
class KeptLog : public LogSink {
public:
    void Line(const ECRString& text) override { Lines.push_back(text); }
    std::vector<ECRString> Lines;
};

// A till's progress, counted on its own thread and posted to the window's.
class PostedProgress : public ProgressSink {
public:
    using Tell = std::function<void(int done, int total)>;
    PostedProgress(QObject& receiver, Tell tell) : Receiver(receiver), Told(std::move(tell)) {}
    void Begin(int min, int max) override {
        Total = std::max(0, max - min);
        Done = 0;
        Post(Receiver, [tell = Told, total = Total] { tell(0, total); });
    }
    void Step(int n) override {
        Done = std::min(Total, Done + n);
        Post(Receiver, [tell = Told, done = Done, total = Total] { tell(done, total); });
    }
    void End() override {}

private:
    QObject& Receiver;
    Tell Told;
    int Total = 0;
    int Done = 0;
};

// The steps of every till, for the progress box.
struct Overall {
    std::vector<int> Done;
    std::vector<int> Total;
    int SumDone() const { return std::accumulate(Done.begin(), Done.end(), 0); }
    int SumTotal() const { return std::accumulate(Total.begin(), Total.end(), 0); }
};

} // namespace

std::vector<TillResult> RunTillsInBackground(const std::vector<TillTarget>& targets,
                                             const TillJob& job, const std::string& imageFolder,
                                             const std::atomic<bool>& stop,
                                             const TillRunView& view) {
    QEventLoop waiting;
    const std::size_t count = targets.size();
    Overall overall{std::vector<int>(count, 0), std::vector<int>(count, 1)};
    const auto showOverall = [&overall, &view] {
        view.Overall(overall.SumDone(), overall.SumTotal());
    };
    std::vector<std::unique_ptr<KeptLog>> logs;
    std::vector<std::unique_ptr<PostedProgress>> progress;
    std::vector<TillWork> work;
    for (std::size_t till = 0; till < count; ++till) {
        logs.push_back(std::make_unique<KeptLog>());
        progress.push_back(std::make_unique<PostedProgress>(
            waiting, [&overall, &view, showOverall, till](int done, int total) {
                overall.Done[till] = done;
                overall.Total[till] = std::max(1, total);
                view.Progress(till, ToQString(TillProgressText(done, total)));
                showOverall();
            }));
        KeptLog* log = logs.back().get();
        const auto finished = [&waiting, &overall, &view, showOverall, log,
                               till](const TillResult& result) {
            Post(waiting, [&overall, &view, showOverall, till, result, lines = log->Lines] {
                overall.Done[till] = overall.Total[till];
                view.Finished(till, result, lines);
                showOverall();
            });
        };
        work.push_back(TillWork{targets[till], log, progress.back().get(), job, finished});
    }
    showOverall();
    std::vector<TillResult> results;
    std::exception_ptr failure;
    std::thread runner([&] {
        try {
            results = RunTills(work, imageFolder, stop);
        } catch (...) {
            failure = std::current_exception(); // told on the window's thread
        }
        Post(waiting, [&waiting] { waiting.quit(); }); // after every till's own posts
    });
    waiting.exec();
    runner.join();
    if (failure) {
        std::rethrow_exception(failure);
    }
    return results;
}
