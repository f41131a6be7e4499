#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QSet>
#include <cstdint>
#include <memory>
#include <numeric>

#include "core/text_file.h"
#include "datagen/works_tasks.h"
#include "testing/error_recorder.h"
#include "testing/screen_driver.h"
#include "testing/task_file_check.h"
#include "testing/temp_data_folder.h"
#include "works/work1.h"

namespace {
// Lines each task reads, and its answer lines (task 2: perimeter, area).
const int kLinesRead[] = {0, 6, 7, 10, 6, 11, 10, 5, 5, 5, 5, 5};
std::vector<int> answerLines(int task) {
    if (task == 2) return {6, 7};
    return {kLinesRead[task]};
}

QString fileName(int task, int variant) { return QStringLiteral("n9\\t%1v%2.txt").arg(task).arg(variant); }

// Exact rationals, written for these checks alone.
struct Rational {
    int64_t n = 0;
    int64_t d = 1;
    Rational(int64_t num = 0, int64_t den = 1) : n(num), d(den) {
        const int64_t g = std::gcd(n, d);
        if (g != 0) {
            n /= g;
            d /= g;
        }
        if (d < 0) {
            n = -n;
            d = -d;
        }
    }
    friend Rational operator+(Rational a, Rational b) { return {a.n * b.d + b.n * a.d, a.d * b.d}; }
    friend Rational operator-(Rational a, Rational b) { return {a.n * b.d - b.n * a.d, a.d * b.d}; }
    friend Rational operator*(Rational a, Rational b) { return {a.n * b.n, a.d * b.d}; }
    friend Rational operator/(Rational a, Rational b) { return {a.n * b.d, a.d * b.n}; }
    friend bool operator==(Rational a, Rational b) { return a.n == b.n && a.d == b.d; }
};

// "3,6" → 18/5; the answers and the numbers in the texts are written this way.
Rational parseNumber(const QString& text) {
    const QStringList parts = text.split(u',');
    int64_t scale = 1;
    if (parts.size() == 2) {
        for (int i = 0; i < parts[1].size(); ++i) scale *= 10;
    }
    const bool negative = text.startsWith(u'-');
    const int64_t whole = parts[0].toLongLong();
    const int64_t frac = parts.size() == 2 ? parts[1].toLongLong() : 0;
    const int64_t magnitude = (negative ? -whole : whole) * scale + frac;
    return {negative ? -magnitude : magnitude, scale};
}

std::ostream& operator<<(std::ostream& os, const Rational& r) { return os << r.n << "/" << r.d; }

// The numbers standing in a task's text lines, in reading order.
std::vector<Rational> numbersInText(const QStringList& textLines) {
    static const QRegularExpression number(QStringLiteral("\\d+(,\\d+)?"));
    std::vector<Rational> found;
    for (const QString& line : textLines) {
        auto it = number.globalMatch(line);
        while (it.hasNext()) found.push_back(parseNumber(it.next().captured()));
    }
    return found;
}
}  // namespace

TEST(Work1Tasks, AllFortyFourFilesAreMadeInWindows1251WithCrLf) {
    const std::vector<TaskFileSource> sources = Work1TaskFiles();
    QSet<QString> expected;
    for (int k = 1; k <= 11; ++k) {
        for (int v = 1; v <= 4; ++v) expected.insert(fileName(k, v));
    }
    QSet<QString> names;
    for (const TaskFileSource& f : sources) names.insert(f.name);
    EXPECT_EQ(sources.size(), 44u);
    EXPECT_EQ(names, expected);

    TempDataFolder folder;
    static const QRegularExpression typedNumber(QStringLiteral("^-?(0|[1-9]\\d*)(,\\d*[1-9])?$"));
    for (const TaskFileSource& f : sources) {
        SCOPED_TRACE(f.name.toStdString());
        ASSERT_TRUE(folder.exists(f.name));
        ExpectTaskFileBytes(folder.bytes(f.name), f.lines);

        const int task = f.name.mid(4).section(u'v', 0, 0).toInt();
        ASSERT_EQ(f.lines.size(), kLinesRead[task]);
        for (int line : answerLines(task)) {
            const QString answer = f.lines[line - 1];
            EXPECT_TRUE(typedNumber.match(answer).hasMatch()) << "answer \"" << answer.toStdString() << "\"";
        }
    }
}

// A number standing in a task's text (an example of how to write the answer,
// say) must not be the answer itself: the pupil would copy it and be "right".
TEST(Work1Tasks, NoTextGivesAwayItsAnswer) {
    static const QRegularExpression number(QStringLiteral("-?\\d+(,\\d+)?"));
    // Text lines (shown or not) of each task: those before its fraction lines or answer.
    const int kTextLines[] = {0, 3, 3, 5, 3, 6, 5, 4, 4, 4, 4, 4};
    for (const TaskFileSource& f : Work1TaskFiles()) {
        SCOPED_TRACE(f.name.toStdString());
        const int task = f.name.mid(4).section(u'v', 0, 0).toInt();
        ASSERT_EQ(f.lines.size(), kLinesRead[task]);
        QStringList inText;
        for (const QString& line : f.lines.mid(0, kTextLines[task])) {
            auto it = number.globalMatch(line);
            while (it.hasNext()) inText << it.next().captured();
        }
        for (int line : answerLines(task)) {
            EXPECT_FALSE(inText.contains(f.lines[line - 1]))
                << "answer \"" << f.lines[line - 1].toStdString() << "\" stands in the text";
        }
    }
}

// The right answers worked out again from the numbers in each task's own text
// and fractions: a wrong sum in a task file would mark a pupil's right answer wrong.
TEST(Work1Tasks, TheAnswersFollowFromTheTasksNumbers) {
    int checked = 0;
    for (const TaskFileSource& f : Work1TaskFiles()) {
        SCOPED_TRACE(f.name.toStdString());
        const QStringList& l = f.lines;
        const int task = f.name.mid(4).section(u'v', 0, 0).toInt();
        auto fraction = [&](int numeratorLine) {
            return Rational(l[numeratorLine - 1].toLongLong(), l[numeratorLine].toLongLong());
        };
        const auto answer = [&](int line) { return parseNumber(l[line - 1]); };
        switch (task) {
        case 1: {  // a fraction of a number
            const Rational whole = numbersInText(l.mid(0, 3)).at(0);
            EXPECT_EQ(answer(6), whole * fraction(4));
            break;
        }
        case 2: {  // one side given, the other a fraction of it
            const Rational side = numbersInText(l.mid(0, 3)).at(0);
            const Rational other = side * fraction(4);
            EXPECT_EQ(answer(6), Rational(2) * (side + other));
            EXPECT_EQ(answer(7), side * other);
            break;
        }
        case 3: {  // what is left after two fractions of the whole
            const Rational whole = numbersInText(l.mid(0, 5)).at(0);
            EXPECT_EQ(answer(10), whole - whole * fraction(6) - whole * fraction(8));
            break;
        }
        case 4: {  // a number from its fraction
            const Rational part = numbersInText(l.mid(0, 3)).at(0);
            EXPECT_EQ(answer(6), part / fraction(4));
            break;
        }
        case 5: {  // the whole from what is left after two fractions
            const std::vector<Rational> numbers = numbersInText(l.mid(0, 6));
            ASSERT_EQ(numbers.size(), 1u);
            EXPECT_EQ(answer(11), numbers[0] / (Rational(1) - fraction(7) - fraction(9)));
            break;
        }
        case 6: {  // a fraction of a fraction of a number (or of what was left)
            const Rational whole = numbersInText(l.mid(0, 4)).at(0);
            const bool ofTheRest = l.mid(0, 4).join(u' ').contains(QStringLiteral("залишку"));
            const Rational first = ofTheRest ? whole - whole * fraction(6) : whole * fraction(6);
            EXPECT_EQ(answer(10), first * fraction(8));
            break;
        }
        default: continue;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 24);
}

// Each fraction is two labels, numerator and denominator, placed at fixed
// points above and below a bar that stands in a text line. The task texts put
// their bars there with blanks, so check on the screen that every pair of
// labels sits on a bar and covers no other text, and that no text line runs
// into the answer fields or the column of task numbers.
TEST(Work1Tasks, FractionLabelsSitOnTheirBarsAndTextsKeepClearOfTheControls) {
    TempDataFolder folder;
    for (int task = 1; task <= 11; ++task) {
        for (int variant = 1; variant <= 4; ++variant) {
            SCOPED_TRACE(fileName(task, variant).toStdString());
            auto s = CreateScreen<TForm15>();
            Click(s->button(variant));
            Click(s->checkBox(task));
            Click(s->button(5));
            ASSERT_FALSE(s->taskLines().isEmpty());

            struct Text {
                QRectF rect;
                QString text;
                QFontMetricsF metrics;
            };
            std::vector<Text> texts;
            for (int n = 2; n <= 8; ++n) {
                if (s->label(n)->text().isEmpty()) continue;
                texts.push_back({QRectF(s->designRect(s->label(n))), s->label(n)->text(), QFontMetricsF(s->label(n)->font())});
            }
            // Glyphs of a text line that cross [left, right]: their characters.
            auto crossing = [](const Text& t, double left, double right) {
                QString found;
                for (int i = 0; i < t.text.size(); ++i) {
                    const double x0 = t.rect.left() + t.metrics.horizontalAdvance(t.text.left(i));
                    const double x1 = t.rect.left() + t.metrics.horizontalAdvance(t.text.left(i + 1));
                    if (x1 > left && x0 < right) found += t.text[i];
                }
                return found;
            };
            auto inkOf = [&](int n) {
                const QRectF r(s->designRect(s->label(n)));
                return QRectF(r.left(), r.top(), QFontMetricsF(s->label(n)->font()).horizontalAdvance(s->label(n)->text()),
                              r.height());
            };
            const int pairs = (task == 3 || task == 5 || task == 6) ? 2 : (task <= 4 ? 1 : 0);
            for (int p = 0; p < pairs; ++p) {
                const QRectF numerator = inkOf(11 + 2 * p);
                const QRectF denominator = inkOf(12 + 2 * p);
                const double left = std::min(numerator.left(), denominator.left());
                const double right = std::max(numerator.right(), denominator.right());
                // The bar's line: the text line between numerator and denominator.
                const Text* bar = nullptr;
                for (const Text& t : texts) {
                    const double middle = t.rect.center().y();
                    if (middle > numerator.top() && middle < denominator.bottom()) bar = &t;
                }
                ASSERT_NE(bar, nullptr) << "fraction " << p + 1 << " has no text line under it";
                const QString under = crossing(*bar, left - 0.5, right + 0.5);
                EXPECT_FALSE(under.isEmpty());
                for (QChar c : under) {
                    EXPECT_TRUE(c == QChar(0x2014) || c == QChar(0x2013))
                        << "fraction " << p + 1 << " covers \"" << under.toStdString() << "\" in \""
                        << bar->text.toStdString() << "\"";
                }
                // No other line's letters under the numerator or denominator.
                for (const QRectF& part : {numerator, denominator}) {
                    for (const Text& t : texts) {
                        if (&t == bar) continue;
                        const double overlap = std::min(t.rect.bottom(), part.bottom()) - std::max(t.rect.top(), part.top());
                        if (overlap <= 4) continue;
                        EXPECT_TRUE(crossing(t, part.left(), part.right()).trimmed().isEmpty())
                            << "fraction " << p + 1 << " covers \"" << t.text.toStdString() << "\"";
                    }
                }
            }

            std::vector<QWidget*> controls = {s->edit(2), s->label(9)};
            if (task == 2) controls.insert(controls.end(), {s->edit(3), s->label(13)});
            for (const Text& t : texts) {
                const QRectF ink(t.rect.left(), t.rect.top(), t.metrics.horizontalAdvance(t.text), t.rect.height());
                EXPECT_LT(ink.right(), s->designRect(s->checkBox(1)).left() - 4) << t.text.toStdString();
                for (QWidget* w : controls) {
                    EXPECT_FALSE(ink.intersects(QRectF(s->designRect(w)))) << t.text.toStdString() << " meets " << w->objectName().toStdString();
                }
            }
        }
    }
}
