#pragma once
#include <QString>
#include <array>

// The problems of the garden game: twelve kinds of operations on two common
// fractions (mixed numbers in kinds 5, 6, 11 and 12), the schedule that picks
// the kind of each of a garden's twelve problems, and the operation line whose
// blanks put the signs between the two fraction displays.

struct MaugliProblem {
    int kind = 0;
    // As shown, after any exchange of the operands: numerators, denominators and
    // whole parts (whole parts only in the mixed kinds; empty when 0).
    QString t1, d1, t2, d2, w1, w2;
    // The right answer as typed: whole part (empty when 0, "-" in front when the
    // result is negative), numerator and denominator (both empty for a whole result).
    QString whole, numerator, denominator;
    // Garden 4: "-" when the second operand is negative.
    QString sign;
    // Garden 2: the operands were exchanged, so the result is negative.
    bool swapped = false;
};

class MaugliGenerator {
public:
    // A problem of one kind (1 to 12), without the rules of gardens 2 and 4.
    MaugliProblem draw(int kind);
    // The garden's problem for the number of right answers so far (0 to 11),
    // with the swap rule of garden 2 and the sign rule of garden 4.
    MaugliProblem next(int garden, int score);

    // The kind the schedule gives a garden at a score.
    static int KindFor(int garden, int score);

private:
    void clearMarks() { used_.fill(false); }
    int drawUnmarked(int n, int base);
    // Two denominators a × b and a × c sharing the factor a, with c ≠ b.
    void drawPair(int n, int base, long long& d1, long long& d2);
    // Kinds 4 and 6: two different proper fractions, the larger first.
    void drawDifferentFractions(long long& t1, long long& d1, long long& t2, long long& d2);

    std::array<bool, 11> used_{};
};

// The text of the line between and around the two fractions. `first` is the
// garden's first problem, drawn by the garden button.
QString OperationLine(int garden, int score, bool first, const MaugliProblem& problem);
