#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <string>

// Standard error and standard output, shared by the threads of several registers. Log
// lines go to standard error; when that is a terminal a progress bar under them shows
// the articles done of all registers together, their rate and the time left.
class TerminalOutput {
public:
    TerminalOutput(std::FILE* log, std::FILE* result, bool showBar);
    TerminalOutput(const TerminalOutput&) = delete;
    TerminalOutput& operator=(const TerminalOutput&) = delete;

    void LogLine(const std::string& utf8);
    void Result(const std::string& utf8); // written as it is

    void AddWork(int total);   // a register begins this many steps
    void AddDone(int steps);   // and has done these
    void DropWork(int undone); // ended with these never done
    // The bar as it reads for these figures: "[####----] 120/300  34.5 art/s  0:05".
    static std::string BarText(int done, int total, double seconds);

private:
    using Clock = std::chrono::steady_clock;
    void Draw(bool force);
    void Erase();

    std::mutex Lock;
    std::FILE* Log;
    std::FILE* Out;
    bool ShowBar;
    std::size_t ShownBarWidth = 0; // none on the line
    int Total = 0;
    int Done = 0;
    Clock::time_point Start;
    Clock::time_point LastDraw;
};
