#pragma once
#include <QByteArray>
#include <QString>

// The Windows-1251 code page of the logs and task files, by our own table: the
// same bytes on every system, whatever its ANSI code page, and without ICU
// (Qt built without it, as on Windows, knows no "windows-1251").
//
// Bytes 0x00–0x7F are ASCII; 0x80–0xFF come from the table (0x98, unassigned,
// stands for U+0098 both ways, as Windows and ICU have it). A character the code
// page lacks is written "?", as Windows writes it.
QByteArray EncodeWindows1251(const QString& text);
QString DecodeWindows1251(const QByteArray& bytes);

// The characters of bytes 0x80 … 0xFF, in order.
extern const char16_t kWindows1251High[128];
