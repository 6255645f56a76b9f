#include "operations/local_emulator.h"

#include "text/windows_api.h"

namespace {
const char* const ListenOption = "--listen";
const char* const AnyLocalPort = "tcp://127.0.0.1:0";
} // namespace

std::vector<std::string> LocalServingOptions() {
    return {ListenOption, AnyLocalPort};
}

EmulatorJob::EmulatorJob(unsigned long processId) {
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    const HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, processId);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    const bool held =
        job != nullptr && process != nullptr &&
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits) &&
        AssignProcessToJobObject(job, process);
    if (process != nullptr) {
        CloseHandle(process);
    }
    if (held) {
        Job = job;
    } else if (job != nullptr) {
        CloseHandle(job);
    }
}

EmulatorJob::~EmulatorJob() {
    if (Job != nullptr) {
        CloseHandle(Job);
    }
}
