#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "plu/talon_plu_item.h"

// Texts are Windows-1251 bytes, as the register holds them.
struct EmulatorOptions {
    std::string Password = "7351";
    std::string Version = "TALON EMULATOR 1.0";
    int ArticleLimit = 0;      // 0: 1400 for the Korval version text, else 2400
    int BaudRate = 0;          // 0: unpaced; else every byte takes 10 bit times, both ways
    int CommandDelayMs = 0;    // processing delay before each reply
    bool DemoArticles = false; // start with the small built-in demo set
    std::string ArticleFile;   // article text file to start with (UTF-16 article file format)
    std::string FiscalModule = "TE000001"; // the status's fiscal module id, which names the image
    // Keep every frame received for ReceivedFrames/ReceivedCommands. The record grows with
    // every command, so a long-running emulator that nobody asks for it keeps none.
    bool KeepRecord = true;
};

enum class NextIDFault { None, LoopBack, Beyond3000 };
// The NextID the last article reports under NextIDFault::Beyond3000 (LoopBack gives the
// first programmed location).
constexpr int BeyondTableNextID = 3000;

// A stand-in for the register on the master side of a pseudo-terminal. The program and
// the tests talk to it through the slave device with the real serial code.
// Every public operation is safe to call from another thread while it serves.
class TalonEmulator {
public:
    explicit TalonEmulator(EmulatorOptions options = {});
    ~TalonEmulator(); // stops serving and closes the device
    TalonEmulator(const TalonEmulator&) = delete;
    TalonEmulator& operator=(const TalonEmulator&) = delete;

    // Opens a pseudo-terminal and serves it on a thread of its own.
    void Start();
    // Serves a TCP port instead, one connection at a time, as a network converter that
    // offers the line raw would (port 0: any free port); throws std::runtime_error when
    // it cannot listen. A process that serves it ignores SIGPIPE.
    void Listen(const std::string& host, int port);
    void Stop();
    // The slave device the program opens, such as /dev/pts/7, or the address it
    // listens on, such as tcp://127.0.0.1:4001.
    std::string DevicePath() const;

    // The register's state.
    void SetArticle(int location, const TalonPLUItem& item);
    std::map<int, TalonPLUItem> Articles() const;
    void ClearArticles();
    void SetVersion(const std::string& version);
    bool PrintingOn() const;
    bool LoggedIn() const;

    // Faults. Each holds until Resume(), except the ones named "Next", which spoil one reply.
    void GoSilentAfter(int commands);  // answers nothing once this many more have been answered
    void CutNextReply(int keepBytes);  // sends only the first bytes of the next reply
    void NulInNextReply(int position); // a 0x00 byte replaces the byte at this position
    void GarbageNextReply(const std::string& bytes);     // these bytes instead of the next reply
    void NoiseBeforeNextReply(const std::string& bytes); // these bytes before the next reply
    void NoDigitsInNextReply(); // the next reply is whole, letters where its code stands
    // Replies carry the "\" bytes of stored names as they are (else each is sent as "?").
    void KeepBackslashesInReplies();
    void RefuseNextCommand(int code);          // the next framed command is answered with this code
    void RefuseWrites(int location, int code); // writes of this location get the code
    // Writes of this location are carried out and answered with these bytes instead.
    void GarbageForWrites(int location, const std::string& bytes);
    // Writes of this location are accepted, and the register then holds `stored` there (as
    // if someone changed it on the keyboard right after).
    void AlterWrites(int location, const TalonPLUItem& stored);
    void SetNextIDFault(NextIDFault fault);
    void Resume(); // clears every fault
    // The device vanishes: the master side is closed. Start() serves a new one.
    void CloseDevice();

    // Every frame received, in order, as upper-case hex bytes separated by blanks
    // ("05" for an enquiry, "1B 50 24 73 41 38 1B 5C" for "$s").
    std::vector<std::string> ReceivedFrames() const;
    // The command texts of the framed commands received (the bytes between "P" and the checksum).
    std::vector<std::string> ReceivedCommands() const;
    void ClearReceived();
    // Bytes that crossed the line so far, both directions together (for line-time figures).
    std::uint64_t LineBytes() const;

private:
    struct State;
    std::unique_ptr<State> S;
};
