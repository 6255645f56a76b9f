#include "cli/terminal_output.h"

#include <cmath>

#include "cli/console_text.h"

namespace {

constexpr int BarWidth = 30;
constexpr auto RedrawEvery = std::chrono::milliseconds(100);

std::string ClockText(double seconds) {
    const long total = std::lround(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
}

} // namespace

TerminalOutput::TerminalOutput(std::FILE* log, std::FILE* result, bool showBar)
    : Log(log), Out(result), ShowBar(showBar) {}

std::string TerminalOutput::BarText(int done, int total, double seconds) {
    const int filled = total > 0 ? done * BarWidth / total : 0;
    const double rate = seconds > 0 ? done / seconds : 0;
    std::string bar = "[" + std::string(filled, '#') + std::string(BarWidth - filled, '-') + "] ";
    bar += std::to_string(done) + "/" + std::to_string(total);
    char figures[64];
    std::snprintf(figures, sizeof figures, "  %.1f art/s", rate);
    bar += figures;
    if (rate > 0) {
        bar += "  preostalo " + ClockText((total - done) / rate);
    }
    return bar;
}

void TerminalOutput::LogLine(const std::string& utf8) {
    std::lock_guard<std::mutex> guard(Lock);
    Erase();
    WriteText(Log, utf8 + "\n");
    Draw(true);
}

void TerminalOutput::Result(const std::string& utf8) {
    std::lock_guard<std::mutex> guard(Lock);
    WriteText(Out, utf8);
    std::fflush(Out);
}

void TerminalOutput::AddWork(int total) {
    std::lock_guard<std::mutex> guard(Lock);
    if (Total == Done) { // nothing under way: the rate starts afresh
        Total = Done = 0;
        Start = Clock::now();
    }
    Total += total;
    Draw(true);
}

void TerminalOutput::AddDone(int steps) {
    std::lock_guard<std::mutex> guard(Lock);
    Done += steps;
    Draw(Done >= Total);
}

void TerminalOutput::DropWork(int undone) {
    std::lock_guard<std::mutex> guard(Lock);
    Total -= undone;
    if (Done >= Total) {
        Erase();
    } else {
        Draw(true);
    }
}

void TerminalOutput::Draw(bool force) {
    if (!ShowBar || Total <= 0 || Done >= Total) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (!force && now - LastDraw < RedrawEvery) {
        return;
    }
    LastDraw = now;
    const double seconds = std::chrono::duration<double>(now - Start).count();
    const std::string bar = BarText(Done, Total, seconds);
    WriteText(Log, EraseLineText(ShownBarWidth) + bar);
    std::fflush(Log);
    ShownBarWidth = bar.size();
}

void TerminalOutput::Erase() {
    if (ShownBarWidth > 0) {
        WriteText(Log, EraseLineText(ShownBarWidth));
        ShownBarWidth = 0;
    }
}
