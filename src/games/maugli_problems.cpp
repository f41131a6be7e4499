#include "games/maugli_problems.h"

#include <utility>

#include "core/arithmetic.h"
#include "core/random.h"

namespace {
// Indexed from 1, as the draws give them.
constexpr long long kPrime[11] = {0, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29};

// 2 to 9.
long long smallDenominator() { return (Random(79) + 20) / 10; }
// 1 ≤ n < d / 2 (1 for d = 4).
long long numeratorFor(long long d) { return Random(int(d / 2 - 1)) + 1; }
// 2 or 3.
long long tinyDenominator() { return (Random(19) + 20) / 10; }

QString number(long long n) { return QString::number(n); }
QString wholeText(long long n) { return n == 0 ? QString() : number(n); }

// Reduces num/den and takes out whole units while num ≥ den, then makes the answer texts.
void setAnswer(MaugliProblem& p, long long num, long long den, long long whole) {
    const long long g = Gcd(num, den);
    if (g != 1) {
        num /= g;
        den /= g;
    }
    whole += num / den;
    num %= den;
    p.whole = wholeText(whole);
    p.numerator = num == 0 ? QString() : number(num);
    p.denominator = num == 0 ? QString() : number(den);
}

void setOperands(MaugliProblem& p, long long t1, long long d1, long long t2, long long d2) {
    p.t1 = number(t1);
    p.d1 = number(d1);
    p.t2 = number(t2);
    p.d2 = number(d2);
}

QString blanks(int n) { return QString(n, u' '); }

// Rows of the schedule: scores 0–2, 3–5, 6–7, 8–9, 10, 11.
int rowOf(int score) {
    if (score <= 2) return 0;
    if (score <= 5) return 1;
    if (score <= 7) return 2;
    if (score <= 9) return 3;
    return score == 10 ? 4 : 5;
}
}  // namespace

int MaugliGenerator::drawUnmarked(int n, int base) {
    int i;
    do i = DrawCategory(n, base);
    while (used_[i]);
    return i;
}

void MaugliGenerator::drawPair(int n, int base, long long& d1, long long& d2) {
    const long long a = kPrime[DrawCategory(n, base)];
    const int b = DrawCategory(n, base);
    used_[b] = true;
    const int c = drawUnmarked(n, base);
    d1 = a * kPrime[b];
    d2 = a * kPrime[c];
}

void MaugliGenerator::drawDifferentFractions(long long& t1, long long& d1, long long& t2, long long& d2) {
    do {
        // Each pass marks one more index: without a fresh start, after four
        // passes every index would be marked and the pair draw could never end.
        clearMarks();
        drawPair(39, 10, d1, d2);
        t1 = numeratorFor(d1);
        t2 = numeratorFor(d2);
    } while (t1 * d2 == t2 * d1);
    if (t2 * d1 > t1 * d2) {
        std::swap(t1, t2);
        std::swap(d1, d2);
    }
}

MaugliProblem MaugliGenerator::draw(int kind) {
    MaugliProblem p;
    p.kind = kind;
    if (kind >= 3) clearMarks();
    long long t1 = 1, d1 = 1, t2 = 1, d2 = 1;
    switch (kind) {
    case 1:
        d1 = smallDenominator();
        d2 = smallDenominator();
        setAnswer(p, d1 + d2, d1 * d2, 0);
        break;
    case 2:
        d1 = smallDenominator();
        do d2 = smallDenominator();
        while (d2 == d1);
        if (d2 < d1) std::swap(d1, d2);
        setAnswer(p, d2 - d1, d1 * d2, 0);
        break;
    case 3:
    case 5: {
        long long w1 = 0, w2 = 0;
        if (kind == 5) {
            w1 = Random(8) + 1;
            w2 = Random(8) + 1;
            p.w1 = number(w1);
            p.w2 = number(w2);
        }
        drawPair(kind == 3 ? 39 : 59, 10, d1, d2);
        t1 = numeratorFor(d1);
        t2 = numeratorFor(d2);
        setAnswer(p, t2 * d1 + t1 * d2, d1 * d2, w1 + w2);
        break;
    }
    case 4:
    case 6: {
        long long w1 = 0, w2 = 0;
        if (kind == 6) {
            w1 = Random(7) + 3;
            w2 = Random(int(w1 - 1)) + 1;
            p.w1 = number(w1);
            p.w2 = number(w2);
        }
        drawDifferentFractions(t1, d1, t2, d2);
        setAnswer(p, t1 * d2 - t2 * d1, d1 * d2, w1 - w2);
        break;
    }
    case 7: {
        const int i = DrawCategory(39, 10);
        if (Random(100) < 51) {
            t2 = kPrime[i];
            d1 = t2 * kPrime[DrawCategory(39, 10)];
            do d2 = Random(4) + t2 + 1;
            while (d2 == d1);
        } else {
            t1 = kPrime[i];
            d2 = t1 * kPrime[DrawCategory(39, 10)];
            do d1 = Random(4) + t1 + 1;
            while (d1 == d2);
        }
        setAnswer(p, t1 * t2, d1 * d2, 0);
        break;
    }
    case 8: {
        const long long a = kPrime[DrawCategory(39, 10)];
        const int j = DrawCategory(39, 10);
        used_[j] = true;
        const int k = drawUnmarked(39, 10);
        if (Random(100) <= 50) {
            d1 = a * kPrime[j];
            d2 = a * kPrime[k];
        } else {
            d1 = a * kPrime[k];
            d2 = a * kPrime[j];
        }
        setAnswer(p, d2, d1, 0);
        break;
    }
    case 9: {
        t1 = kPrime[DrawCategory(39, 10)];
        int j;
        do j = DrawCategory(39, 10);
        while (kPrime[j] == t1);
        t2 = kPrime[j];
        used_[j] = true;
        const int pi = drawUnmarked(39, 30);
        used_[pi] = true;
        const int qi = drawUnmarked(39, 30);
        d2 = t1 * kPrime[pi];
        d1 = t2 * kPrime[qi];
        setAnswer(p, t1 * t2, d1 * d2, 0);
        break;
    }
    case 10: {
        const long long a = kPrime[DrawCategory(29, 10)];
        t1 = a;
        const int j = DrawCategory(29, 10);
        used_[j] = true;
        t2 = a * kPrime[j];
        const int di = DrawCategory(19, 40);
        used_[di] = true;
        d1 = kPrime[di];
        const int f = drawUnmarked(39, 30);
        used_[f] = true;
        d2 = kPrime[f] * kPrime[drawUnmarked(39, 30)];
        setAnswer(p, t1 * d2, d1 * t2, 0);
        break;
    }
    case 11:
    case 12: {
        const long long pp = kPrime[DrawCategory(29, 30)];
        const int q = DrawCategory(29, 30);
        used_[q] = true;
        t1 = pp * kPrime[q];
        d1 = tinyDenominator();
        if (kind == 11) {
            const int s = drawUnmarked(39, 10);
            used_[s] = true;
            d2 = pp * kPrime[s];
            t2 = kPrime[DrawCategory(29, 60)];
            setAnswer(p, t1 * t2, d1 * d2, 0);
        } else {
            const int r = drawUnmarked(29, 30);
            used_[r] = true;
            t2 = pp * kPrime[r];
            d2 = kPrime[DrawCategory(29, 60)];
            setAnswer(p, t1 * d2, d1 * t2, 0);
        }
        // The improper operands are shown as mixed numbers.
        p.w1 = wholeText(t1 / d1);
        t1 %= d1;
        p.w2 = wholeText(t2 / d2);
        t2 %= d2;
        break;
    }
    default:
        break;
    }
    setOperands(p, t1, d1, t2, d2);
    return p;
}

int MaugliGenerator::KindFor(int garden, int score) {
    static const int kinds[4][6] = {
        {1, 2, 3, 4, 5, 6}, {2, 1, 4, 3, 6, 5}, {7, 8, 9, 10, 11, 12}, {7, 8, 9, 10, 11, 12}};
    return kinds[garden - 1][rowOf(score)];
}

MaugliProblem MaugliGenerator::next(int garden, int score) {
    MaugliProblem p = draw(KindFor(garden, score));
    if (garden == 2 && (p.kind == 2 || p.kind == 4 || p.kind == 6)) {
        // Shown as the second operand plus the negated first: a negative result.
        if (Random(100) > 50) {
            std::swap(p.t1, p.t2);
            std::swap(p.d1, p.d2);
            std::swap(p.w1, p.w2);
            p.whole = QStringLiteral("-") + p.whole;
            p.swapped = true;
        }
    } else if (garden == 4) {
        if (Random(100) > 50) {
            p.sign = QStringLiteral("-");
            p.whole = p.sign + p.whole;
        }
    }
    return p;
}

QString OperationLine(int garden, int score, bool first, const MaugliProblem& p) {
    const int row = rowOf(score);
    const bool negative = p.sign == u"-";
    if (row < 4) {
        const bool addRow = row % 2 == 0;  // rows 0 and 2 add (or multiply)
        switch (garden) {
        case 1:
            if (!addRow) return blanks(14) + u'-' + blanks(13) + u'=';
            return blanks(14) + u'+' + blanks(row == 0 ? 15 : 13) + u'=';
        case 2:
            if (first) return blanks(14) + QStringLiteral("+(-") + blanks(12) + QStringLiteral(")=");
            return blanks(14) + (addRow ? QStringLiteral("+(-") : QStringLiteral("-(-")) + blanks(11) + QStringLiteral(")=");
        default: {
            const QChar op = addRow ? u'X' : u':';
            if (negative) return blanks(14) + op + QStringLiteral("(-") + blanks(11) + QStringLiteral(")=");
            return blanks(14) + op + blanks(14) + u'=';
        }
        }
    }
    // The mixed kinds: the whole parts stand in the line itself.
    QString middle, end;
    const QString plain = blanks(10) + u'=';
    const QString bracket = blanks(9) + QStringLiteral(")=");
    if (row == 4) {
        switch (garden) {
        case 1: middle = blanks(13) + u'+' + blanks(2), end = plain; break;
        case 2: middle = blanks(13) + QStringLiteral("+(-"), end = bracket; break;
        case 3: middle = blanks(13) + u'X' + blanks(2), end = plain; break;
        default:
            if (negative) middle = blanks(10) + QStringLiteral("X(-"), end = bracket;
            else middle = blanks(10) + u'X' + blanks(2), end = plain;
        }
    } else {
        switch (garden) {
        case 1: middle = blanks(13) + u'-' + blanks(2), end = plain; break;
        case 2: middle = blanks(13) + QStringLiteral("-(-"), end = bracket; break;
        default:
            if (negative) middle = blanks(13) + QStringLiteral(":(-"), end = bracket;
            else middle = blanks(13) + u':' + blanks(2), end = plain;
        }
    }
    return p.w1 + middle + p.w2 + end;
}
