// The emulator as a child process on Windows: started detached from the console (Ctrl+C
// is for this program), in a job that ends it with this program, its output read through
// a pipe whose reads can time out.
#include "cli/emulator_child.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>

#include "operations/local_emulator.h"
#include "text/wide_path.h"
#include "text/windows_api.h"

namespace {

const wchar_t* const ProgramFile = L"talon-emulator.exe";
const wchar_t* const ProgramVariable = L"TALON_EMULATOR";
const wchar_t* const PipePrefix = L"\\\\.\\pipe\\talon-emulator-";
constexpr DWORD PipeBufferBytes = 4096;
constexpr DWORD StopTimeoutMs = 5000;

bool IsProgram(const std::wstring& path) {
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring ThisProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring OnPath() {
    wchar_t found[MAX_PATH] = {};
    const DWORD length = SearchPathW(nullptr, ProgramFile, nullptr, MAX_PATH, found, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(found, length) : std::wstring();
}

// One argument as the C runtime of the child takes it apart again: in quotes when it holds
// a blank or a quote, a quote inside escaped, and the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring CommandLine(const std::string& binary, const std::vector<std::string>& args) {
    std::wstring line = Quoted(WidePath(binary));
    for (const std::string& arg : args) {
        line += L" " + Quoted(WidePath(arg));
    }
    return line;
}

// A pipe whose read end takes overlapped reads (an anonymous pipe's cannot time out) and
// whose write end the child inherits as its standard output.
void MakePipe(HANDLE& readEnd, HANDLE& writeEnd) {
    static std::atomic<unsigned> made{0};
    const std::wstring name =
        PipePrefix + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(made++);
    readEnd = CreateNamedPipeW(
        name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_WAIT, 1, PipeBufferBytes, PipeBufferBytes, 0, nullptr);
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    writeEnd = readEnd == INVALID_HANDLE_VALUE
                   ? INVALID_HANDLE_VALUE
                   : CreateFileW(name.c_str(), GENERIC_WRITE, 0, &inherited, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (writeEnd == INVALID_HANDLE_VALUE) {
        if (readEnd != INVALID_HANDLE_VALUE) {
            CloseHandle(readEnd);
        }
        throw std::runtime_error("pipe failed");
    }
}

} // namespace

struct EmulatorChild::Running {
    ~Running() {
        Job.reset();                  // ends it
        TerminateProcess(Process, 1); // where the system gave no job
        WaitForSingleObject(Process, StopTimeoutMs);
        CloseHandle(Process);
        CloseHandle(Output);
        CloseHandle(ReadDone);
    }

    HANDLE Process = nullptr;
    std::unique_ptr<EmulatorJob> Job;
    HANDLE Output = INVALID_HANDLE_VALUE; // the read end of its standard output
    HANDLE ReadDone = nullptr;            // set when an overlapped read of Output ends
};

std::string EmulatorChild::FindProgram() {
    const wchar_t* fromEnvironment = _wgetenv(ProgramVariable);
    if (fromEnvironment != nullptr && IsProgram(fromEnvironment)) {
        return FromWide(fromEnvironment);
    }
    const std::wstring beside = ThisProgramFolder() + L"\\" + ProgramFile;
    if (IsProgram(beside)) {
        return FromWide(beside);
    }
#ifdef TALON_BUILD_EMULATOR_PATH
    if (IsProgram(WidePath(TALON_BUILD_EMULATOR_PATH))) {
        return TALON_BUILD_EMULATOR_PATH;
    }
#endif
    return FromWide(OnPath());
}

EmulatorChild::EmulatorChild(const std::string& binary, const std::vector<std::string>& args) {
    HANDLE readEnd = INVALID_HANDLE_VALUE;
    HANDLE writeEnd = INVALID_HANDLE_VALUE;
    MakePipe(readEnd, writeEnd);
    const HANDLE quiet = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    SetHandleInformation(quiet, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = quiet; // nothing to read: it is told to end, never asked
    startup.hStdOutput = writeEnd;
    startup.hStdError = quiet; // its greeting is not for the user
    std::vector<std::string> all = args;
    for (const std::string& option : LocalServingOptions()) {
        all.push_back(option);
    }
    std::wstring line = CommandLine(binary, all);
    PROCESS_INFORMATION started{};
    // Detached from the console, so that Ctrl+C reaches only this program, which ends the
    // exchange cleanly; suspended until it is in its job.
    const BOOL ok =
        CreateProcessW(WidePath(binary).c_str(), line.data(), nullptr, nullptr, TRUE,
                       DETACHED_PROCESS | CREATE_SUSPENDED, nullptr, nullptr, &startup, &started);
    const DWORD error = GetLastError();
    CloseHandle(writeEnd);
    CloseHandle(quiet);
    if (!ok) {
        CloseHandle(readEnd);
        throw std::runtime_error(binary + ": Windows greska " + std::to_string(error));
    }
    Child = std::make_unique<Running>();
    Child->Process = started.hProcess;
    Child->Output = readEnd;
    Child->ReadDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Child->Job = std::make_unique<EmulatorJob>(started.dwProcessId);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
    ReadDevice(binary);
}

EmulatorChild::~EmulatorChild() = default;

std::string EmulatorChild::ReadLine(int timeoutMs) {
    for (;;) {
        const std::size_t end = Pending.find('\n');
        if (end != std::string::npos) {
            std::string line = Pending.substr(0, end);
            Pending.erase(0, end + 1);
            return line;
        }
        char buffer[256];
        OVERLAPPED read{};
        read.hEvent = Child->ReadDone;
        DWORD got = 0;
        if (!ReadFile(Child->Output, buffer, sizeof buffer, nullptr, &read) &&
            GetLastError() != ERROR_IO_PENDING) {
            return {}; // it ended
        }
        if (WaitForSingleObject(Child->ReadDone, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
            CancelIoEx(Child->Output, &read);
        }
        // Waits for the cancelled read too, whose buffer is this frame's.
        if (!GetOverlappedResult(Child->Output, &read, &got, TRUE) || got == 0) {
            return {};
        }
        Pending.append(buffer, got);
    }
}

long long EmulatorChild::LineBytes() {
    return -1;
}
