#include "testing/error_recorder.h"

#include <gtest/gtest.h>

#include "app/error_box.h"

void ErrorRecorder::InstallUnexpectedErrorFailure() {
    setErrorSink([](const QString& message) { ADD_FAILURE() << "unexpected error box: " << message.toStdString(); });
}

ErrorRecorder::ErrorRecorder() {
    setErrorSink([this](const QString& message) { messages_ << message; });
}

ErrorRecorder::~ErrorRecorder() { InstallUnexpectedErrorFailure(); }
