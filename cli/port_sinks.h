#pragma once

#include <string>
#include <vector>

#include "operations/operation_sinks.h"

class TerminalOutput;

// One register's log: its lines in UTF-8 on standard error, prefixed with the port when
// several registers work at once. Quiet, the lines are kept and go out only when the
// register's work failed.
class PortLog : public LogSink {
public:
    PortLog(TerminalOutput& out, std::string prefix, bool quiet);
    void Line(const ECRString& text) override;
    void Say(const std::string& utf8); // the command line's own lines
    void Finish(bool failed);
    const std::string& Prefix() const { return LinePrefix; }

private:
    TerminalOutput& Out;
    std::string LinePrefix;
    bool Quiet;
    std::vector<std::string> Kept;
};

// One register's share of the progress bar; Ctrl+C is its stop request.
class PortProgress : public ProgressSink {
public:
    explicit PortProgress(TerminalOutput& out) : Out(out) {}
    void Begin(int min, int max) override;
    void Step(int n) override;
    void End() override;
    bool StopRequested() override;

private:
    TerminalOutput& Out;
    int Total = 0;
    int Done = 0;
};

// Register text (Windows-1251) as UTF-8, and back.
std::string ToUtf8(const ECRString& text);
ECRString FromUtf8(const std::string& text);
