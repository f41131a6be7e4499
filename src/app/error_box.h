#pragma once
#include <QString>
#include <functional>

// The one place errors are caught: a handler runs under the guard, and an error
// escaping it ends the handler and is shown in a message box with an OK button.
void RunGuarded(const std::function<void()>& handler);
void ShowErrorBox(const QString& message);

// Tests replace the message box with a recorder (nullptr brings back the box).
using ErrorSink = std::function<void(const QString&)>;
void setErrorSink(ErrorSink sink);
