#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QSet>
#include <functional>
#include <map>

#include "core/text_file.h"
#include "datagen/works_tasks.h"
#include "testing/screen_driver.h"
#include "testing/task_numbers.h"
#include "testing/task_file_check.h"
#include "testing/temp_data_folder.h"
#include "works/work2.h"

namespace {
using N = std::vector<ExactNumber>;
using Answers = std::vector<ExactNumber>;

// Lines of "n5\t<task>v<variant>.txt": read, text lines, answer lines.
struct Layout {
    int lines;
    int text;
    std::vector<int> answers;
};
Layout layoutOf(int task, int v) {
    if (task == 1) return {3, 2, {3}};
    if (task == 2 || task == 5) return v == 2 ? Layout{4, 3, {4}} : Layout{3, 2, {3}};
    if (task == 3) return {5, 3, {4, 5}};
    if (task == 8 || task == 9 || task == 15) return {v <= 2 ? 6 : 5, 4, {5}};
    if (task == 13) return v <= 2 ? Layout{6, 4, {5, 6}} : Layout{5, 4, {5}};
    return {4, 3, {4}};
}

// Each task solved again from the numbers in its own text, in reading order.
const ExactNumber c100 = 100;
const std::map<QString, std::function<Answers(const N&)>> kSolutions = {
    {"t1v1", [](const N& n) { return Answers{n[0] / n[1]}; }},  // 7,2 : 0,9
    {"t1v2", [](const N& n) { return Answers{n[0] * c100 / n[1]}; }},  // metres to centimetres
    {"t1v3", [](const N& n) { return Answers{n[0] / n[1]}; }},
    {"t1v4", [](const N& n) { return Answers{n[0] * 60 / n[1]}; }},  // hours to minutes
    {"t2v1", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},  // x : a = b : c
    {"t2v2", [](const N& n) { return Answers{n[0] * n[2] / n[1]}; }},  // a : x = b : c
    {"t2v3", [](const N& n) { return Answers{n[0] * n[2] / n[1]}; }},
    {"t2v4", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},
    // p per cent, how much is in a, how much holds b
    {"t3v1", [](const N& n) { return Answers{n[1] * n[0] / c100, n[2] * c100 / n[0]}; }},
    {"t3v2", [](const N& n) { return Answers{n[1] * n[0] / c100, n[2] * c100 / n[0]}; }},
    {"t3v3", [](const N& n) { return Answers{n[1] * n[0] / c100, n[2] * c100 / n[0]}; }},
    {"t3v4", [](const N& n) { return Answers{n[1] * n[0] / c100, n[2] * c100 / n[0]}; }},
    {"t4v1", [](const N& n) { return Answers{n[0] * n[1] / c100}; }},
    {"t4v2", [](const N& n) { return Answers{n[0] * n[1] / c100}; }},  // how much was taken off
    {"t4v3", [](const N& n) { return Answers{n[0] * n[1] / c100}; }},
    {"t4v4", [](const N& n) { return Answers{n[0] * n[1] / c100}; }},
    // 1 : m, then a distance: cm on the map, km on the ground (m in the garden)
    {"t5v1", [](const N& n) { return Answers{n[2] * n[1] / 100000}; }},
    {"t5v2", [](const N& n) { return Answers{n[0] * 100000 / n[2]}; }},  // km, then 1 : m; cm on the map
    {"t5v3", [](const N& n) { return Answers{n[2] * n[1] / c100}; }},
    {"t5v4", [](const N& n) { return Answers{n[2] * n[1] / 100000}; }},
    {"t6v1", [](const N& n) { return Answers{n[1] / n[0] * n[2]}; }},
    {"t6v2", [](const N& n) { return Answers{n[1] / n[0] * n[2]}; }},
    {"t6v3", [](const N& n) { return Answers{n[1] / n[0] * n[2]}; }},
    {"t6v4", [](const N& n) { return Answers{n[1] / n[0] * n[2]}; }},
    {"t7v1", [](const N& n) { return Answers{ExactNumber(2) * n[1] * n[0]}; }},  // 2 pi r
    {"t7v2", [](const N& n) { return Answers{n[1] * n[0]}; }},                   // pi d
    {"t7v3", [](const N& n) { return Answers{ExactNumber(2) * n[1] * n[0]}; }},
    {"t7v4", [](const N& n) { return Answers{n[0] / n[1]}; }},
    {"t8v1", [](const N& n) { return Answers{n[0] * n[3] / (n[1] + n[2] + n[3])}; }},
    {"t8v2", [](const N& n) { return Answers{n[1] * c100 / (n[0] + n[1])}; }},  // the second share in per cent
    {"t8v3", [](const N& n) { return Answers{n[2] * n[0] / (n[0] + n[1])}; }},
    {"t8v4", [](const N& n) { return Answers{n[2] * n[1] / (n[0] + n[1])}; }},
    {"t9v1", [](const N& n) { return Answers{n[1] * c100 / n[0]}; }},
    {"t9v2", [](const N& n) { return Answers{n[0] * c100 / n[1]}; }},
    {"t9v3", [](const N& n) { return Answers{n[0] / (ExactNumber(2) * n[1])}; }},
    {"t9v4", [](const N& n) { return Answers{n[2] / 2 * n[0] / (n[0] + n[1])}; }},
    {"t10v1", [](const N& n) { return Answers{ExactNumber(6) * n[0] / n[1]}; }},  // "Шість" in words
    {"t10v2", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},
    {"t10v3", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},
    {"t10v4", [](const N& n) { return Answers{n[0] * n[1] / n[2]}; }},
    {"t11v1", [](const N& n) { return Answers{n[0] - Abs(n[1])}; }},
    {"t11v2", [](const N& n) { return Answers{n[0] - n[1]}; }},
    {"t11v3", [](const N& n) { return Answers{n[0] * n[1] + n[2]}; }},
    {"t11v4", [](const N& n) { return Answers{n[0] / n[1] + n[2]}; }},
    {"t12v1", [](const N& n) { return Answers{n[1] - n[0]}; }},
    {"t12v2", [](const N& n) { return Answers{n[1] / n[0]}; }},
    {"t12v3", [](const N& n) { return Answers{n[1] + n[0]}; }},
    {"t12v4", [](const N& n) { return Answers{n[1] / n[0]}; }},
    {"t13v1", [](const N& n) { return Answers{n[0] - n[1], n[1] * c100 / n[0]}; }},
    {"t13v2", [](const N& n) { return Answers{n[0] + n[1], n[1] * c100 / n[0]}; }},
    {"t13v3", [](const N& n) { return Answers{n[0] * (c100 + n[1]) / c100}; }},
    {"t13v4", [](const N& n) { return Answers{n[0] * (c100 - n[1]) / c100}; }},
    {"t14v1", [](const N& n) { return Answers{n[1] - n[0]}; }},
    {"t14v2", [](const N& n) { return Answers{n[1] - n[0]}; }},
    {"t14v3", [](const N& n) { return Answers{n[1] - n[0]}; }},
    {"t14v4", [](const N& n) { return Answers{n[0] + n[1]}; }},
    {"t15v1", [](const N& n) { return Answers{n[2] * c100 / (c100 - n[0] - n[1])}; }},
    {"t15v2", [](const N& n) { return Answers{n[0] * (n[2] - n[1]) / c100}; }},
    {"t15v3", [](const N& n) { return Answers{n[0] * (c100 - n[1] - n[2]) / c100}; }},
    {"t15v4", [](const N& n) { return Answers{n[0] * (c100 - n[1] - n[2]) / c100}; }},
};

int taskOf(const QString& name) { return name.mid(4).section(u'v', 0, 0).toInt(); }
int variantOf(const QString& name) { return name.section(u'v', 1).left(1).toInt(); }
}  // namespace

// Every file is written in Windows-1251 with CR LF, in its task's layout, with
// answers typed as a pupil types them and not standing in its own text; and
// every answer follows from the numbers of its task.
TEST(Work2Tasks, SixtyFilesInTheirLayoutsWithAnswersThatFollowFromTheirNumbers) {
    const std::vector<TaskFileSource> sources = Work2TaskFiles();
    QSet<QString> expected;
    for (int k = 1; k <= 15; ++k) {
        for (int v = 1; v <= 4; ++v) expected.insert(QStringLiteral("n5\\t%1v%2.txt").arg(k).arg(v));
    }
    QSet<QString> names;
    for (const TaskFileSource& f : sources) names.insert(f.name);
    EXPECT_EQ(sources.size(), 60u);
    EXPECT_EQ(names, expected);

    TempDataFolder folder;
    for (const TaskFileSource& f : sources) {
        SCOPED_TRACE(f.name.toStdString());
        ExpectTaskFileBytes(folder.bytes(f.name), f.lines);

        const Layout layout = layoutOf(taskOf(f.name), variantOf(f.name));
        ASSERT_EQ(f.lines.size(), layout.lines);
        const QStringList text = f.lines.mid(0, layout.text);
        for (const QString& line : f.lines) EXPECT_FALSE(line.trimmed().isEmpty());
        ExpectLargeNumbersGrouped(text);
        const Answers given = TypedAnswers(f.lines, layout.answers, text);
        const QString key = f.name.mid(3).chopped(4);
        ASSERT_TRUE(kSolutions.count(key));
        EXPECT_EQ(given, kSolutions.at(key)(NumbersIn(WithDigitGroupsJoined(text))));
    }
}

// Every text line of every task fits left of the column of task numbers, above
// the answer fields.
TEST(Work2Tasks, TextsKeepClearOfTheControls) {
    TempDataFolder folder;
    for (int v = 1; v <= 4; ++v) {
        auto s = CreateScreen<TForm16>();
        Click(s->button(v));
        Click(s->checkBox(1));
        Click(s->checkBox(15));
        Click(s->button(8));
        for (int task = 1; task <= 15; ++task) {
            SCOPED_TRACE(QStringLiteral("t%1v%2").arg(task).arg(v).toStdString());
            ASSERT_EQ(s->currentTask(), task);
            ASSERT_FALSE(s->taskLines().isEmpty());
            for (int n = 4; n <= 7; ++n) {
                const QRectF r(s->designRect(s->label(n)));
                const double right = r.left() + QFontMetricsF(s->label(n)->font()).horizontalAdvance(s->label(n)->text());
                EXPECT_LT(right, s->designRect(s->checkBox(1)).left() - 4) << s->label(n)->text().toStdString();
                EXPECT_LT(r.bottom(), s->designRect(s->label(8)).top());
            }
            Click(s->button(7));
            Click(s->button(6));
        }
    }
}

// A typed "12 учнів" is marked wrong. Where no unit stands after the field the
// pupil is told so, the same way in every variant: the text ends with the one
// instruction. Where the screen shows a unit, the text carries no such instruction.
TEST(Work2Tasks, WhereNoUnitFollowsTheFieldTheTextEndsWithTheNumberOnlyInstruction) {
    const QString instruction = QStringLiteral("Запишіть лише число.");
    TempDataFolder folder;
    for (int v = 1; v <= 4; ++v) {
        auto s = CreateScreen<TForm16>();
        Click(s->button(v));
        Click(s->checkBox(1));
        Click(s->checkBox(15));
        Click(s->button(8));
        for (int task = 1; task <= 15; ++task) {
            SCOPED_TRACE(QStringLiteral("t%1v%2").arg(task).arg(v).toStdString());
            ASSERT_EQ(s->currentTask(), task);
            QStringList shown;
            for (int n = 4; n <= 7; ++n) {
                if (!s->label(n)->text().isEmpty()) shown << s->label(n)->text();
            }
            ASSERT_FALSE(shown.isEmpty());
            const bool unit = Shown(s->label(10)) && !s->label(10)->text().isEmpty();
            const QString all = shown.join(u' ');
            if (unit) {
                EXPECT_FALSE(all.contains(QStringLiteral("Запишіть лише"))) << all.toStdString();
            } else {
                EXPECT_TRUE(shown.last().endsWith(instruction)) << shown.last().toStdString();
                EXPECT_EQ(all.count(QStringLiteral("Запишіть лише")), 1) << all.toStdString();
            }
            Click(s->button(7));
            Click(s->button(6));
        }
    }
}
