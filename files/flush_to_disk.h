#pragma once

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

// Forces what the system holds of the file (what std::fflush handed it) onto the disk.
bool SyncToDisk(std::FILE* file);

// Hands what was written to a file to the system at once, where a kill of this process
// cannot lose it, and forces it onto the disk on a thread of its own: the wait for the disk
// overlaps the caller's next step. One sync at a time; a failed one fails every later call.
class FlushBehind {
public:
    explicit FlushBehind(std::FILE* file);
    ~FlushBehind(); // waits for the sync under way
    FlushBehind(const FlushBehind&) = delete;
    FlushBehind& operator=(const FlushBehind&) = delete;

    // Waits for the sync before, then flushes and starts this one; false when the system
    // refused what was written or a sync failed.
    bool Flush();
    // Waits for the sync under way; false when a sync failed.
    bool Wait();

private:
    enum class Step { Idle, Syncing, Stopping };
    void Run();

    std::FILE* File;
    std::mutex Guard;
    std::condition_variable Changed;
    Step Now = Step::Idle;
    bool Failed = false;
    std::thread Worker; // last: it starts with everything above in place
};
