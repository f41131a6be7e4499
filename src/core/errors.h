#pragma once
#include <QString>
#include <stdexcept>

// An error the pupil is told about in the error box: a missing picture, a missing
// log or task file, a failed write. Raised wherever it happens; the screen base
// catches it at the handler boundary and shows its message.
class ToolkitError : public std::runtime_error {
public:
    explicit ToolkitError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
