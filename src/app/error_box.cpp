#include "app/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "core/errors.h"

namespace {
ErrorSink& sink() {
    static ErrorSink current;
    return current;
}
}  // namespace

void setErrorSink(ErrorSink s) { sink() = std::move(s); }

void ShowErrorBox(const QString& message) {
    // The box runs an event loop of its own, in which timers go on ticking: an
    // error raised meanwhile is dropped rather than stacking box upon box.
    static bool showing = false;
    if (showing) return;
    showing = true;
    struct Reset {
        ~Reset() { showing = false; }
    } reset;
    if (sink()) {
        sink()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Математика 6"), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

namespace {
// Runs the handler; the message of an escaping error, or an empty text.
QString runCatching(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ToolkitError& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
    return {};
}
}  // namespace

void RunGuarded(const std::function<void()>& handler) {
    const QString message = runCatching(handler);
    if (!message.isEmpty()) ShowErrorBox(message);
}

void RunGuardedRepeating(const std::function<void()>& handler, QString& lastMessage) {
    const QString message = runCatching(handler);
    if (!message.isEmpty() && message != lastMessage) ShowErrorBox(message);
    lastMessage = message;
}
