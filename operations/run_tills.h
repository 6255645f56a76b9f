#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "operations/till_result.h"
#include "operations/till_target.h"

class ImageKeeper;
class LogSink;
class ProgressSink;
class Reconnection;
class TalonECR;

// What a till's job works with: the till's own connected register, image and sinks.
struct TillSession {
    const TillTarget& Target;
    TalonECR& ECR;
    ImageKeeper& Image;
    Reconnection* Reconnect; // a network link's: takes up a connection lost while writing
    LogSink& Log;
    // The till's progress; its StopRequested also answers the shared stop flag.
    ProgressSink& Progress;
};

// The work on one connected till. It returns how it ended and its result line; the run
// fills in the time and the fiscal module. A link error (ECRError) may be thrown on: the
// run logs it and ends the till as LinkFailed.
using TillJob = std::function<TillResult(TillSession& session)>;

// One till of a run, with its sinks. They are called on the till's own thread only.
struct TillWork {
    TillTarget Target;
    LogSink* Log = nullptr;           // required
    ProgressSink* Progress = nullptr; // required
    TillJob Job;
    // Told the till's result on its thread as soon as it is known; may be empty.
    std::function<void(const TillResult& result)> Finished;
};

// Runs the work of every till at the same time, each on a thread of its own with its own
// link, register, image (in `imageFolder`) and journal; one till runs on this thread.
// Each till connects (a failure logged with the usual lines and ended as NoRegister, or
// Refused for the password), runs its job and closes its link; a failing till never
// stops the others. `stop` is checked between exchanges by every till, as a stop request
// of its progress sink is. Returns when every till has ended, their results in the
// order given.
std::vector<TillResult> RunTills(std::vector<TillWork>& work, const std::string& imageFolder,
                                 const std::atomic<bool>& stop);
