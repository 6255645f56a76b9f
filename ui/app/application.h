#pragma once

#include <QApplication>

// The application object. Every event is delivered inside a guard, so an exception that
// a handler lets out is shown by the error display and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The program's windows in start-up order: the main window, the progress box over it and
// the edit dialog; and their end.
void CreateWindows();
void DestroyWindows();
