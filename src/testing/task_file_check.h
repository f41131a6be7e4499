#pragma once
#include <QByteArray>
#include <QRegularExpression>
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

// Text lines with the blanks inside grouped large numbers taken out
// ("1 : 2 000 000" → "1 : 2000000"), so that each stands as one number.
inline QStringList WithDigitGroupsJoined(const QStringList& lines) {
    static const QRegularExpression groupBlank(QStringLiteral("(?<=\\d) (?=\\d{3}(?!\\d))"));
    QStringList joined;
    for (QString line : lines) joined << line.replace(groupBlank, QString());
    return joined;
}

// Large numbers in a text are grouped by threes, as Ukrainian print sets them
// ("300 000"), and four-digit ones are not ("5000").
inline void ExpectLargeNumbersGrouped(const QStringList& text) {
    static const QRegularExpression unbroken(QStringLiteral("(?<![\\d,])\\d{5,}"));
    static const QRegularExpression grouped(QStringLiteral("(?<![\\d,])\\d{1,3}( \\d{3})+(?!\\d)"));
    for (const QString& line : text) {
        EXPECT_FALSE(unbroken.match(line).hasMatch()) << "ungrouped in \"" << line.toStdString() << "\"";
        auto it = grouped.globalMatch(line);
        while (it.hasNext()) {
            const QString number = it.next().captured();
            EXPECT_GE(QString(number).remove(u' ').size(), 5) << "four digits grouped in \"" << line.toStdString() << "\"";
        }
    }
}

// The values of a task file's answer lines (numbered from 1), each checked to be
// typed as a pupil types a number and not to stand among the numbers of the
// text, with or without its sign: "-8,1" after "8,1" in the text gives it away.
inline std::vector<ExactNumber> TypedAnswers(const QStringList& lines, const std::vector<int>& answerLines,
                                             const QStringList& text) {
    auto magnitude = [](const QString& number) { return number.startsWith(u'-') ? number.mid(1) : number; };
    std::vector<QString> inText;
    for (const QString& number : NumberTexts(WithDigitGroupsJoined(text))) inText.push_back(magnitude(number));
    std::vector<ExactNumber> given;
    for (int line : answerLines) {
        const QString answer = lines[line - 1];
        EXPECT_TRUE(IsTypedNumber(answer)) << "answer \"" << answer.toStdString() << "\"";
        EXPECT_EQ(std::count(inText.begin(), inText.end(), magnitude(answer)), 0) << answer.toStdString() << " stands in the text";
        given.push_back(ParseTaskNumber(answer));
    }
    return given;
}
