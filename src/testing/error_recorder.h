#pragma once
#include <QStringList>

// Takes the place of the error box while it lives and keeps the messages.
// Outside a recorder, an error box fails the running test.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    const QStringList& messages() const { return messages_; }
    void clear() { messages_.clear(); }

    static void InstallUnexpectedErrorFailure();

private:
    QStringList messages_;
};
