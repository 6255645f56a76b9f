#include "files/flush_to_disk.h"

FlushBehind::FlushBehind(std::FILE* file) : File(file), Worker([this] { Run(); }) {}

FlushBehind::~FlushBehind() {
    Wait();
    {
        std::lock_guard<std::mutex> lock(Guard);
        Now = Step::Stopping;
    }
    Changed.notify_all();
    Worker.join();
}

bool FlushBehind::Flush() {
    if (!Wait() || std::fflush(File) != 0) {
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(Guard);
        Now = Step::Syncing;
    }
    Changed.notify_all();
    return true;
}

bool FlushBehind::Wait() {
    std::unique_lock<std::mutex> lock(Guard);
    Changed.wait(lock, [this] { return Now != Step::Syncing; });
    return !Failed;
}

void FlushBehind::Run() {
    std::unique_lock<std::mutex> lock(Guard);
    for (;;) {
        Changed.wait(lock, [this] { return Now != Step::Idle; });
        if (Now == Step::Stopping) {
            return;
        }
        lock.unlock();
        const bool synced = SyncToDisk(File);
        lock.lock();
        Failed = Failed || !synced;
        Now = Step::Idle;
        Changed.notify_all();
    }
}
