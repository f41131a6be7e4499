#pragma once
#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

#include "core/text_file.h"

// A task file as written: every line ended by CR LF and nothing else, and every
// character surviving the Windows-1251 code page (nothing became "?").
inline void ExpectTaskFileBytes(const QByteArray& bytes, const QStringList& lines) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
    EXPECT_EQ(DecodeWindows1251(bytes), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    EXPECT_EQ(EncodeWindows1251(lines.join(u'\n')).count('?'), lines.join(u'\n').count(u'?'));
}
