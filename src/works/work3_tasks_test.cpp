#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QSet>
#include <functional>
#include <map>
#include <set>

#include "core/text_file.h"
#include "datagen/works_tasks.h"
#include "testing/screen_driver.h"
#include "testing/task_numbers.h"
#include "testing/task_file_check.h"
#include "testing/temp_data_folder.h"
#include "works/work3.h"

namespace {
using N = std::vector<ExactNumber>;
using Answers = std::vector<ExactNumber>;

// Lines of "n8\t<task>_v<variant>.txt": read, the text lines (shown or not), the answer lines.
struct Layout {
    int lines;
    std::vector<int> text;
    std::vector<int> answers;
};
Layout layoutOf(int task, int v) {
    switch (task) {
    case 1: return {3, {1}, {2, 3}};
    case 2: return {4, {1}, {2, 3, 4}};
    case 3: return {4, {1, 2, 3}, {4}};
    case 4: return {5, {1, 2}, {3, 4, 5}};
    case 5: return v == 1 ? Layout{7, {1, 2, 3, 6, 7}, {4, 5}} : Layout{8, {1, 2, 3, 7, 8}, {4, 5, 6}};
    case 6: return {6, {1, 5, 6}, {2, 3, 4}};
    default: return {2, {1}, {2}};
    }
}

// Each task solved again from the numbers in its own text, in reading order.
const std::map<QString, std::function<Answers(const N&)>> kSolutions = {
    {"t1_v1", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3]}; }},
    {"t1_v2", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3]}; }},
    {"t1_v3", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3]}; }},
    {"t1_v4", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3]}; }},
    {"t2_v1", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3], n[4] / n[5]}; }},
    {"t2_v2", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3], n[4] * n[5]}; }},
    {"t2_v3", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3], n[4] / n[5]}; }},
    {"t2_v4", [](const N& n) { return Answers{n[0] + n[1], n[2] - n[3], n[4] * n[5]}; }},
    {"t3_v1", [](const N& n) { return Answers{n[0] + n[1] - n[2]}; }},
    {"t3_v2", [](const N& n) { return Answers{n[0] + n[1] - n[2]}; }},
    {"t3_v3", [](const N& n) { return Answers{n[1] + n[2] - n[3]}; }},  // the depth, then the height
    {"t3_v4", [](const N& n) { return Answers{n[0] + n[1] - n[2]}; }},
    // a point, then how far right (+) or left (-) each part moves it
    {"t4_v1", [](const N& n) { return Answers{n[0] + n[1], n[0] - n[2], n[0] + n[3]}; }},
    {"t4_v2", [](const N& n) { return Answers{n[0] - n[1], n[0] + n[2], n[0] - n[3]}; }},
    {"t4_v3", [](const N& n) { return Answers{n[0] + n[1], n[0] - n[2], n[0] + n[3]}; }},
    {"t4_v4", [](const N& n) { return Answers{n[0] + n[1], n[0] - n[2], n[0] - n[3]}; }},
    {"t5_v1", [](const N& n) { return Answers{n[1] - n[0], n[3] / n[2]}; }},  // x + a = b; kx = c
    {"t5_v2", [](const N& n) { return Answers{n[1] + n[0], n[3] / n[2], n[4] - n[5]}; }},
    {"t5_v3", [](const N& n) { return Answers{n[1] - n[0], n[3] / n[2], n[5] * n[4]}; }},
    {"t5_v4", [](const N& n) { return Answers{n[1] + n[0], n[3] / n[2], n[5] / n[4]}; }},
    {"t6_v1", [](const N& n) { return Answers{n[0] * n[1] - n[2], n[3] / n[4] + n[5], n[6] - n[7] * n[8]}; }},
    {"t6_v2", [](const N& n) { return Answers{n[0] / n[1] + n[2], n[3] * n[4] - n[5], n[6] - n[7] * n[8]}; }},
    {"t6_v3", [](const N& n) { return Answers{n[0] - n[1] * n[2], n[3] * n[4] + n[5], n[6] / n[7] + n[8]}; }},
    {"t6_v4", [](const N& n) { return Answers{n[0] * n[1] + n[2], n[3] / n[4] - n[5], n[6] * n[7] + n[8]}; }},
    {"t7_v1", [](const N& n) { return Answers{Abs(n[0]) - Abs(n[1])}; }},
    {"t7_v2", [](const N& n) { return Answers{Abs(n[0]) + Abs(n[1])}; }},
    {"t7_v3", [](const N& n) { return Answers{Abs(n[0]) * Abs(n[1])}; }},
    {"t7_v4", [](const N& n) { return Answers{Abs(n[0]) / Abs(n[1])}; }},
    {"t8_v1", [](const N& n) { return Answers{n[0] + n[1] - n[2]}; }},
    {"t8_v2", [](const N& n) { return Answers{n[0] - n[1] + n[2]}; }},
    {"t8_v3", [](const N& n) { return Answers{n[0] - n[1] - n[2]}; }},
    {"t8_v4", [](const N& n) { return Answers{n[0] + n[1] + n[2]}; }},
    {"t9_v1", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},
    {"t9_v2", [](const N& n) { return Answers{n[0] / n[1] * n[2]}; }},
    {"t9_v3", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},
    {"t9_v4", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},
    {"t10_v1", [](const N& n) { return Answers{(n[2] - n[1]) / n[0]}; }},
    {"t10_v2", [](const N& n) { return Answers{(n[2] + n[1]) / n[0]}; }},
    {"t10_v3", [](const N& n) { return Answers{(n[0] - n[2]) / n[1]}; }},  // a - kx = b
    {"t10_v4", [](const N& n) { return Answers{(n[2] - n[1]) / n[0]}; }},
    {"t11_v1", [](const N& n) { return Answers{n[1] - n[0]}; }},  // x + a = b
    {"t11_v2", [](const N& n) { return Answers{n[1] / n[0]}; }},
    {"t11_v3", [](const N& n) { return Answers{n[0] + n[1]}; }},
    {"t11_v4", [](const N& n) { return Answers{n[1] * n[0]}; }},
};

int taskOf(const QString& name) { return name.mid(4).section(u'_', 0, 0).toInt(); }
int variantOf(const QString& name) { return name.section(u'v', 1).left(1).toInt(); }
}  // namespace

TEST(Work3Tasks, FortyFourFilesInTheirLayoutsWithAnswersThatFollowFromTheirNumbers) {
    const std::vector<TaskFileSource> sources = Work3TaskFiles();
    QSet<QString> expected;
    for (int k = 1; k <= 11; ++k) {
        for (int v = 1; v <= 4; ++v) expected.insert(QStringLiteral("n8\\t%1_v%2.txt").arg(k).arg(v));
    }
    QSet<QString> names;
    for (const TaskFileSource& f : sources) names.insert(f.name);
    EXPECT_EQ(sources.size(), 44u);
    EXPECT_EQ(names, expected);

    TempDataFolder folder;
    for (const TaskFileSource& f : sources) {
        SCOPED_TRACE(f.name.toStdString());
        ExpectTaskFileBytes(folder.bytes(f.name), f.lines);

        const Layout layout = layoutOf(taskOf(f.name), variantOf(f.name));
        ASSERT_EQ(f.lines.size(), layout.lines);
        for (const QString& line : f.lines) EXPECT_FALSE(line.trimmed().isEmpty());
        QStringList text;
        for (int line : layout.text) text << f.lines[line - 1];
        ExpectLargeNumbersGrouped(text);
        const Answers given = TypedAnswers(f.lines, layout.answers, text);
        const QString key = f.name.mid(3).chopped(4);
        ASSERT_TRUE(kSolutions.count(key));
        EXPECT_EQ(given, kSolutions.at(key)(NumbersIn(WithDigitGroupsJoined(text))));
    }
}

// The text lines stand at their places (tasks 5 and 6 set two of them apart):
// none runs into another, into the buttons at the right or into the answer parts.
TEST(Work3Tasks, TextLinesKeepClearOfEachOtherAndOfTheControls) {
    TempDataFolder folder;
    for (int v = 1; v <= 4; ++v) {
        auto s = CreateScreen<TForm17>();
        Click(s->button(4 + v));
        Click(s->checkBox(1));
        Click(s->checkBox(11));
        Click(s->button(1));
        for (int task = 1; task <= 11; ++task) {
            SCOPED_TRACE(QStringLiteral("t%1_v%2").arg(task).arg(v).toStdString());
            ASSERT_EQ(s->currentTask(), task);
            ASSERT_FALSE(s->taskLines().isEmpty());
            std::vector<QRectF> inks;
            for (int n : {1, 6, 7, 8, 9}) {
                if (!Shown(s->label(n)) || s->label(n)->text().isEmpty()) continue;
                const QRectF r(s->designRect(s->label(n)));
                const QFontMetricsF metrics(s->label(n)->font());
                const QRectF ink(r.left(), r.top(), metrics.horizontalAdvance(s->label(n)->text()), metrics.height());
                EXPECT_LT(ink.right(), s->designRect(s->button(1)).left() - 4) << s->label(n)->text().toStdString();
                EXPECT_LT(ink.bottom(), s->designRect(s->label(2)).top()) << s->label(n)->text().toStdString();
                for (const QRectF& other : inks) EXPECT_FALSE(ink.intersects(other)) << s->label(n)->text().toStdString();
                inks.push_back(ink);
            }
            Click(s->button(2));
            Click(s->button(3));
        }
    }
}

// A pupil who types "- 4" or "–4" is marked wrong. Every task with a negative
// answer in any variant tells the pupil how to write the sign in every variant,
// in the same words each time, on a line that variant shows (task 5 of
// variant 4 leaves its third line off the screen).
TEST(Work3Tasks, TasksWithNegativeAnswersGiveTheSignInstructionOnAShownLine) {
    const QString instruction = QStringLiteral("Від'ємне число записуйте зі знаком «-».");
    std::map<QString, QStringList> files;
    for (const TaskFileSource& f : Work3TaskFiles()) files[f.name] = f.lines;
    std::set<int> negative;
    for (const auto& [name, lines] : files) {
        SCOPED_TRACE(name.toStdString());
        for (const QString& line : lines) {
            // One wording only: any line on the sign is the instruction itself.
            if (line.contains(QStringLiteral("ід'ємн"))) {
                EXPECT_TRUE(line.contains(instruction)) << line.toStdString();
            }
        }
        const int task = taskOf(name);
        for (int a : layoutOf(task, variantOf(name)).answers) {
            if (lines.value(a - 1).startsWith(u'-')) negative.insert(task);
        }
    }
    ASSERT_FALSE(negative.empty());

    TempDataFolder folder;
    for (int v = 1; v <= 4; ++v) {
        auto s = CreateScreen<TForm17>();
        Click(s->button(4 + v));
        Click(s->checkBox(1));
        Click(s->checkBox(11));
        Click(s->button(1));
        for (int task = 1; task <= 11; ++task) {
            SCOPED_TRACE(QStringLiteral("t%1_v%2").arg(task).arg(v).toStdString());
            ASSERT_EQ(s->currentTask(), task);
            QString shown;
            for (int n : {1, 6, 7, 8, 9}) {
                if (Shown(s->label(n))) shown += s->label(n)->text() + u'\n';
            }
            if (negative.count(task)) {
                EXPECT_EQ(shown.count(instruction), 1) << shown.toStdString();
            }
            Click(s->button(2));
            Click(s->button(3));
        }
    }
}
