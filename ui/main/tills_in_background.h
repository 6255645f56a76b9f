#pragma once

#include <QString>

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "operations/run_tills.h"

// What a run on several tills shows while it goes; called on the window's thread.
struct TillRunView {
    // A till's own progress, as its row shows it: "Upisano 12 od 40".
    std::function<void(std::size_t till, const QString& progress)> Progress;
    // Every till's steps together, for the progress box; a till counts one step until its
    // writing begins.
    std::function<void(int done, int total)> Overall;
    // A till has ended: its result and every line its work logged.
    std::function<void(std::size_t till, const TillResult& result,
                       const std::vector<ECRString>& lines)>
        Finished;
};

// Runs the job on every target at once, each till on a thread of its own (RunTills),
// while this thread goes on serving the window's events; returns when every till has
// ended, their results in the order given. The tills read `stop` between exchanges.
std::vector<TillResult> RunTillsInBackground(const std::vector<TillTarget>& targets,
                                             const TillJob& job, const std::string& imageFolder,
                                             const std::atomic<bool>& stop,
                                             const TillRunView& view);
