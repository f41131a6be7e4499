#pragma once
// Test helpers shared by the problem-set tests: exact fractions written apart
// from the program's own, numbers read back from the screen, and a pupil who
// types a given answer, right or spoilt in one place.
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <numeric>
#include <utility>
#include <vector>

#include "problems/problem_set.h"
#include "testing/screen_driver.h"

namespace settest {

// An exact rational number, always reduced, denominator positive.
struct Q {
    int64_t n = 0, d = 1;
    Q(int64_t num = 0, int64_t den = 1) : n(num), d(den) {
        if (d < 0) n = -n, d = -d;
        const int64_t g = std::gcd(n < 0 ? -n : n, d);
        if (g > 1) n /= g, d /= g;
    }
    friend Q operator+(Q a, Q b) { return Q(a.n * b.d + b.n * a.d, a.d * b.d); }
    friend Q operator-(Q a, Q b) { return Q(a.n * b.d - b.n * a.d, a.d * b.d); }
    friend Q operator*(Q a, Q b) { return Q(a.n * b.n, a.d * b.d); }
    friend Q operator/(Q a, Q b) { return Q(a.n * b.d, a.d * b.n); }
    friend bool operator==(Q a, Q b) { return a.n == b.n && a.d == b.d; }
    friend bool operator<(Q a, Q b) { return a.n * b.d < b.n * a.d; }
};
inline Q Mix(int64_t whole, int64_t num, int64_t den) { return Q(whole) + Q(num, den); }

// A positive number as a pupil writes it with a whole part: the fraction kept
// above 0 and at most 1, so a whole number w is written w − 1 and 1/1.
struct MixedText {
    int64_t whole, num, den;
};
inline MixedText Split(Q v) {
    int64_t whole = v.n / v.d;
    if (whole * v.d == v.n) --whole;
    const Q rest = v - Q(whole);
    return {whole, rest.n, rest.d};
}

inline QString T(int64_t n) { return QString::number(n); }

// A number with at most three decimals as the pupil writes it: a comma, no
// trailing zeros, and no comma at all for a whole number.
inline QString Decimal(Q v) {
    EXPECT_EQ(1000 % v.d, 0) << "more than three decimals";
    const int64_t thousandths = v.n * (1000 / v.d);
    QString text = T(thousandths / 1000);
    QString decimals = QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QChar(u'0'));
    while (decimals.endsWith(u'0')) decimals.chop(1);
    return decimals.isEmpty() ? text : text + "," + decimals;
}

// Every whole number of a text, in order.
inline std::vector<int64_t> Numbers(const QString& text) {
    std::vector<int64_t> out;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    for (auto it = digits.globalMatch(text); it.hasNext();) out.push_back(it.next().captured().toLongLong());
    return out;
}
inline int64_t Num(const Screen& s, int label) { return s.label(label)->text().toLongLong(); }
// The fraction shown in two labels.
inline Q Frac(const Screen& s, int top, int bottom) { return Q(Num(s, top), Num(s, bottom)); }

// A problem fraction's bar has a ground of its own: shown on a text line it must
// not reach any letter of that line. Lines are the shown labels with more than
// digits in them (the fractions' numbers are digits only).
inline void ExpectBarsClearOfText(const Screen& s) {
    const double scale = s.pageScale() > 0 ? s.pageScale() : 1.0;
    static const QRegularExpression digitsOnly(QStringLiteral("^\\d*$"));
    for (QWidget* w : s.controls()) {
        const auto* bar = dynamic_cast<const Picture*>(w);
        if (bar == nullptr || bar->isHidden() || bar->pictureName() != QStringLiteral("kr\\chdr4.bmp")) continue;
        const QRect b = s.designRect(bar);
        for (QWidget* v : s.controls()) {
            const auto* line = dynamic_cast<const QLabel*>(v);
            if (line == nullptr || line->isHidden() || digitsOnly.match(line->text()).hasMatch()) continue;
            const QRect at = s.designRect(line);
            if (at.bottom() < b.top() || at.top() > b.bottom()) continue;
            const QString text = line->text();
            const QFontMetricsF metrics(line->font());
            for (int i = 0; i < text.size(); ++i) {
                if (text[i] == u' ') continue;
                const double left = at.left() + metrics.horizontalAdvance(text.left(i)) / scale;
                const double right = at.left() + metrics.horizontalAdvance(text.left(i + 1)) / scale;
                EXPECT_TRUE(right <= b.left() + 0.01 || left >= b.left() + b.width() - 0.01)
                    << bar->objectName().toStdString() << " at " << b.left() << "…" << b.left() + b.width()
                    << " covers '" << QString(text[i]).toStdString() << "' (" << left << "…" << right << ") of "
                    << line->objectName().toStdString() << ": " << text.toStdString();
            }
        }
    }
}

// What a pupil types and chooses, and what the screen must show after a wrong answer.
struct Answer {
    int kind = 0;
    std::vector<std::pair<int, QString>> edits;   // Edit number → text
    std::vector<std::pair<int, int>> combos;      // ComboBox number → item index
    std::vector<std::pair<int, QString>> shown;   // Label number → right answer shown
};

inline void Enter(Screen& s, const Answer& a, bool spoil) {
    for (const auto& [n, text] : a.edits) Type(s.edit(n), text);
    for (const auto& [n, index] : a.combos) Choose(s.comboBox(n), index);
    if (!spoil) return;
    if (!a.edits.empty()) {
        Type(s.edit(a.edits.front().first), a.edits.front().second + "1");
    } else {
        QComboBox* c = s.comboBox(a.combos.front().first);
        c->setCurrentIndex((a.combos.front().second + 1) % c->count());
    }
}

// Plays `attempts` attempts, solving every problem from the screen with
// `solve`; in attempt k the first k % 6 problems are answered wrong. Marking
// must agree with the solution and show its right answers; each kind must turn
// up and no kind repeat inside an attempt. Returns how often each kind came.
template <class S, class Solve>
std::vector<int> RunOracle(int attempts, int kinds, const QString& folder, int verdictLabel, int markImage,
                           Solve solve) {
    std::vector<int> seen(size_t(kinds + 1), 0);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        auto s = CreateScreen<S>();
        const int wrongWanted = attempt % 6;
        std::vector<int> met;
        for (int problem = 1; problem <= ProblemSet::kProblemsPerAttempt; ++problem) {
            Click(s->button(2));
            ExpectBarsClearOfText(*s);
            const Answer a = solve(*s);
            EXPECT_EQ(a.kind, s->currentKind());
            ++seen[size_t(s->currentKind())];
            met.push_back(s->currentKind());
            const bool wrong = problem <= wrongWanted;
            Enter(*s, a, wrong);
            Click(s->button(3));
            const QString text = s->label(2)->text() + " / " + s->label(3)->text();
            EXPECT_EQ(s->label(verdictLabel)->text(), wrong ? "Неправильно" : "Правильно")
                << "kind " << a.kind << ": " << text.toStdString();
            if (wrong) {
                for (const auto& [n, value] : a.shown)
                    EXPECT_EQ(s->label(n)->text(), value) << "Label" << n << ", kind " << a.kind;
            }
            if (::testing::Test::HasFailure()) return seen;
        }
        std::sort(met.begin(), met.end());
        EXPECT_EQ(std::unique(met.begin(), met.end()), met.end()) << "a kind repeated";
        EXPECT_EQ(s->image(markImage)->pictureName(), folder + QStringLiteral("\\ocenka%1s.bmp").arg(5 - wrongWanted));
        EXPECT_EQ(s->animating(), wrongWanted == 0);
    }
    for (int kind = 1; kind <= kinds; ++kind) EXPECT_GT(seen[size_t(kind)], 0) << "kind " << kind << " never drawn";
    return seen;
}

// One faultless attempt: the still after each of the first four right answers,
// then the frames of `ticks` timer ticks.
template <class S, class Solve>
std::pair<QStringList, QStringList> PlayFaultless(S& s, int rewardImage, int ticks, Solve solve) {
    QStringList stills, frames;
    for (int problem = 1; problem <= ProblemSet::kProblemsPerAttempt; ++problem) {
        Click(s.button(2));
        Enter(s, solve(s), false);
        Click(s.button(3));
        if (problem < 5) stills << s.image(rewardImage)->pictureName();
    }
    for (int tick = 0; tick < ticks; ++tick) {
        RunGuarded([&] { s.Timer1Timer(); });
        frames << s.image(rewardImage)->pictureName();
    }
    return {stills, frames};
}

}  // namespace settest
