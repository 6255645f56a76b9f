#pragma once

#include <string>
#include <vector>

enum class Verb {
    None,
    Status,
    List,
    Send,
    Sync,
    Erase,
    Examine,
    History,
    Registers,
    Help,
    Version
};

// What "registers" does to the saved tills.
enum class TillsAction { List, Add, Remove };

struct CliOptions {
    Verb Command = Verb::None;
    // As given: 1-4, a device path, "emulator", tcp://HOST:PORT or rfc2217://HOST:PORT.
    std::vector<std::string> Ports;
    int Speed = 9600;
    std::string PasswordFile;
    bool Print = false; // the window's default: printing off
    bool Quiet = false;
    bool Json = false;
    bool Arrange = false;
    bool EraseAll = false; // erase: every article but location 1
    bool AllTills = false; // every saved till that is on
    int AllGiven = 0;      // how many times --all was given
    bool DryRun = false;
    bool Prune = false;
    bool Verify = false;
    std::string File;         // send, sync and examine
    std::string Output;       // list and history: "-" for standard output
    std::vector<int> Numbers; // erase
    // Saved tills by name; history: one, a saved till's or an image's name.
    std::vector<std::string> Registers;
    TillsAction Action = TillsAction::List; // registers
    std::string TillName;                   // registers add and remove
    std::string Since;                      // history: "YYYY-MM-DD"
    std::string Until;                      // history: "YYYY-MM-DD"
};

// The -o that names standard output.
extern const char StandardOutput[];

struct ParsedArguments {
    CliOptions Options;
    std::string Error; // empty when the arguments make sense
};

// Reads the arguments after the program name. Never fails: what does not make sense is
// told in Error.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// Every verb and every option the parser knows, the options' short forms ("-o") too: what
// the help and the manual page must each name.
std::vector<std::string> VerbNames();
std::vector<std::string> OptionNames();

// Ports that take part: the given ones, or port 1 when neither a port nor a saved till
// was given.
std::vector<std::string> PortsToUse(const CliOptions& options);
