#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "emulator/talon_emulator.h"
#include "plu/talon_plu_item.h"

// Log lines that many window tests expect.
extern const QString LoggedInLine;           // "*** Prijavljivanje - OK ***"
extern const QStringList ConnectFailedLines; // the two lines of a failed connect
extern const QString LinkTimeoutLine;        // the register went silent (link code 10)
extern const QString PortGoneLine;           // the device went away (link codes 8 and 9)
extern const QString ListIncompleteLine;     // after an operation cut short on the grid
extern const QString ArticleFileHeading;     // the heading line of an article file

class QTableWidget;
class TFormMain;
class TProgressBox;
class TEditPLU;

// The program's windows as start-up builds them, wired to an in-process register
// emulator on a pseudo-terminal. The emulator serves on its own thread and every window
// operation blocks until the register has answered, so tests never wait.
class TestWindow {
public:
    explicit TestWindow(const EmulatorOptions& options = {});
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    TalonEmulator& Register() { return *Emulator; }
    TFormMain& Form() { return *Main; }
    TProgressBox& Box() { return *Progress; }
    TEditPLU* Edit() { return EditDialog; } // null until the edit dialog is built

    // The port number under which the emulator's device is registered; the port box has
    // an item for it, after the items the window listed itself.
    int Port() const { return EmulatorPort; }
    // Selects the emulator's item in the port box (speed and password as they stand).
    void SelectEmulatorPort();
    // Types the password, selects the emulator's port and presses "Otvori"; true when
    // the window is connected afterwards.
    bool Connect(const QString& password = QStringLiteral("7351"));
    // Connects and then empties the log and the emulator's record of received frames,
    // so a test sees only what its own operation did; false when it could not connect.
    bool ConnectFresh();

    // Lists the register (already connected) and then forgets what that sent and logged.
    void ListFresh();
    // Connects and lists, each starting from an empty log and record; false when it could
    // not connect.
    bool ConnectAndList();
    // Answers the open (save) dialog with `path` and presses "Ucitaj" ("Snimi").
    void LoadFile(const QString& path);
    void SaveFile(const QString& path);
    // Puts articles into the PC table at the given indices and shows them, as a load does.
    void PlaceOnPC(const std::vector<std::pair<int, TalonPLUItem>>& articles);
    // The window enabled, its controls unblocked and the progress box hidden: every
    // operation must end so.
    bool Usable() const;

    // The questions the window asked, in order; each is answered with Answer ("Da"
    // unless a test says otherwise), so no modal box ever blocks a test.
    QStringList Questions;
    bool Answer = true;

    // The log, one entry per line ("Dobrodosli!" at start).
    QStringList LogLines() const;
    void ClearLog();

    // What the emulator received: frames as upper-case hex ("05" for an enquiry) and
    // the command texts of the framed ones (raw Windows-1251 bytes).
    std::vector<std::string> Frames() const;
    std::vector<std::string> Commands() const;
    void ClearReceived();

    // Grid access in the grids' own row numbers: row 0 is the heading row.
    static int Rows(const QTableWidget* grid);
    static QString Cell(const QTableWidget* grid, int gridRow, int column);
    // The whole data row as "cell|cell|cell|cell|cell", handy for exact comparisons.
    static QString Row(const QTableWidget* grid, int gridRow);
    // Every data row of the grid, as Row() gives it.
    static QStringList DataRows(const QTableWidget* grid);

private:
    std::unique_ptr<TalonEmulator> Emulator;
    int EmulatorPort = 0;
    int EmulatorItem = -1;
    TFormMain* Main = nullptr;
    TProgressBox* Progress = nullptr;
    TEditPLU* EditDialog = nullptr;
};

// The steps a progress bar takes while this object lives, each as "position/maximum"
// (positions above 0 only: setting a range back to 0 is no step).
class ProgressTrace {
public:
    explicit ProgressTrace(TProgressBox& box);
    ~ProgressTrace();
    ProgressTrace(const ProgressTrace&) = delete;
    ProgressTrace& operator=(const ProgressTrace&) = delete;

    QStringList Steps;

private:
    struct Connection;
    std::unique_ptr<Connection> Link;
};

// Application-wide error display captured for a test: every text that the display got
// while this object lives, in order. Restores the previous display when destroyed.
class CapturedErrors {
public:
    CapturedErrors();
    ~CapturedErrors();
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    QStringList Texts;

private:
    struct Saved;
    std::unique_ptr<Saved> Previous;
};
