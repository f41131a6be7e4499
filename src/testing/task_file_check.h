#pragma once
#include <QByteArray>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "core/text_file.h"
#include "testing/task_numbers.h"

// A task file as written: every line ended by CR LF and nothing else, and every
// character surviving the Windows-1251 code page (nothing became "?").
inline void ExpectTaskFileBytes(const QByteArray& bytes, const QStringList& lines) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
    EXPECT_EQ(DecodeWindows1251(bytes), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    EXPECT_EQ(EncodeWindows1251(lines.join(u'\n')).count('?'), lines.join(u'\n').count(u'?'));
}

// The values of a task file's answer lines (numbered from 1), each checked to be
// typed as a pupil types a number and not to stand among the numbers of the text.
inline std::vector<ExactNumber> TypedAnswers(const QStringList& lines, const std::vector<int>& answerLines,
                                             const QStringList& text) {
    const std::vector<QString> inText = NumberTexts(text);
    std::vector<ExactNumber> given;
    for (int line : answerLines) {
        const QString answer = lines[line - 1];
        EXPECT_TRUE(IsTypedNumber(answer)) << "answer \"" << answer.toStdString() << "\"";
        EXPECT_EQ(std::count(inText.begin(), inText.end(), answer), 0) << answer.toStdString() << " stands in the text";
        given.push_back(ParseTaskNumber(answer));
    }
    return given;
}
