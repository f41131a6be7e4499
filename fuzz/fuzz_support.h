#pragma once
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// What the fuzz targets share: one headless application for the whole run, a
// scratch folder that is the working folder, and the messages error boxes got.
namespace fuzz {
// Makes the application (offscreen, house style) once.
void StartApplication();
// A fresh working folder holding copies of these folders of the rendered data folder.
QString MakeWorkingFolder(const QStringList& copied = {});
void WriteFile(const QString& fullPath, const uint8_t* data, size_t size);
// Error boxes are recorded here instead of being shown.
QStringList& Messages();
// Stops the run with a message, as a crash would: libFuzzer keeps the input.
[[noreturn]] void Fail(const QString& what);
}  // namespace fuzz
