#pragma once

#include <QApplication>

// The application object. Every event is delivered inside a guard, so an exception that
// a handler lets out is shown by the error display and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
