#pragma once
#include <QString>
#include <functional>

// The one place errors are caught: a handler runs under the guard, and an error
// escaping it ends the handler and is shown in a message box with an OK button.
void RunGuarded(const std::function<void()>& handler);
// For a handler that runs again and again by itself (a timer): the same error
// raised on every run is shown once, until a run succeeds or raises another.
void RunGuardedRepeating(const std::function<void()>& handler, QString& lastMessage);
// One box at a time: a message that comes while a box is open is dropped.
void ShowErrorBox(const QString& message);

// Tests replace the message box with a recorder (nullptr brings back the box).
using ErrorSink = std::function<void(const QString&)>;
void setErrorSink(ErrorSink sink);
