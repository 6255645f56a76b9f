#pragma once

#include <QString>

#include <functional>

// The one application-wide display of an error that no handler dealt with: a message
// box with its text, after which the program goes on. Tests replace the display.
void ShowUnhandledError(const QString& text);
using ErrorDisplay = std::function<void(const QString& text)>;
// Installs another display (an empty one restores the message box); returns the old one.
ErrorDisplay SetErrorDisplay(ErrorDisplay display);

// Runs one event handler so that nothing it throws unwinds into the toolkit's frames:
// whatever escapes is shown by ShowUnhandledError and the program goes on.
void RunHandler(const std::function<void()>& handler);
// Shows the exception being handled; call only inside a catch block.
void ShowCurrentException();
