#include "cli/port_sinks.h"

#include <algorithm>

#include "cli/interrupt.h"
#include "cli/terminal_output.h"
#include "text/code_page.h"
#include "text/utf8_text.h"

std::string ToUtf8(const ECRString& text) {
    return Utf16ToUtf8(Cp1251ToUtf16(text.Text()));
}

ECRString FromUtf8(const std::string& text) {
    return ECRString(Utf16ToCp1251(Utf8ToUtf16(text)).c_str());
}

PortLog::PortLog(TerminalOutput& out, std::string prefix, bool quiet)
    : Out(out), LinePrefix(std::move(prefix)), Quiet(quiet) {}

void PortLog::Line(const ECRString& text) {
    Say(ToUtf8(text));
}

void PortLog::Say(const std::string& utf8) {
    if (Quiet) {
        Kept.push_back(utf8);
    } else {
        Out.LogLine(LinePrefix + utf8);
    }
}

void PortLog::Finish(bool failed) {
    if (failed) {
        for (const std::string& line : Kept) {
            Out.LogLine(LinePrefix + line);
        }
    }
    Kept.clear();
}

void PortProgress::Begin(int min, int max) {
    Total = std::max(0, max - min);
    Done = 0;
    Out.AddWork(Total);
}

void PortProgress::Step(int n) {
    const int steps = std::min(n, Total - Done);
    if (steps > 0) {
        Done += steps;
        Out.AddDone(steps);
    }
}

void PortProgress::End() {
    Out.DropWork(Total - Done);
    Total = Done = 0;
}

bool PortProgress::StopRequested() {
    return InterruptRequested();
}
