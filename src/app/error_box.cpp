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
    if (sink()) {
        sink()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Математика 6"), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ToolkitError& e) {
        ShowErrorBox(e.message());
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromLocal8Bit(e.what()));
    }
}
