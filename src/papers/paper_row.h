#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <vector>

#include "app/screen.h"

// Lays out one line of a paper left to right, the way a printed paper sets it:
// problem texts, fractions (numerator over a bar over denominator), mixed
// numbers and answer boxes. A problem text may hold runs of blanks where the
// fractions and boxes stand; text(label, {2, 1}) puts the next two pieces into
// the label's first run of three or more blanks and the piece after them into
// its second. Pieces beyond the runs follow the label.
//
// Rows are laid out after the texts are set, so the blanks are measured as the
// pupil sees them. Answer labels of boxes stand under their boxes.
class PaperRow {
public:
    PaperRow(Screen& screen, int left, int top);

    PaperRow& text(Label* label, std::vector<int> piecesPerRun = {});
    PaperRow& fraction(Label* num, Label* den, Picture* bar);
    PaperRow& mixed(Label* whole, Label* num, Label* den, Picture* bar);
    // Answer boxes of a fraction (whole == nullptr) or a mixed number, the answer labels under them.
    PaperRow& boxes(QLineEdit* whole, QLineEdit* num, QLineEdit* den, Picture* bar, Label* answerWhole,
                    Label* answerNum, Label* answerDen);
    // One input (an edit box or a list) with its answer label under it.
    PaperRow& box(QWidget* input, int width, Label* answer = nullptr);
    // A sign drawn as a picture (the multiplication dot), centred on the line.
    PaperRow& picture(Picture* picture, int width, int height);
    // A short text (a whole number, a sign) as a piece of its own.
    PaperRow& word(Label* label);
    // A label of a fixed width, its text against the right edge: a name beside a box that
    // marking may replace by a longer number.
    PaperRow& tag(Label* label, int width);
    PaperRow& space(int width);
    // Goes on at a new line.
    PaperRow& line(int left, int top);
    int right() const { return x_; }

    static const int kBoxHeight = 24;

private:
    struct Piece {
        int width;
        std::function<void(int left)> place;
    };
    struct Run {
        int start, end, pieces;
    };
    void add(Piece piece);
    void settle(const Run& run, const std::vector<Piece>& pieces);
    int textWidth(const Label* label, const QString& text) const;

    Screen& screen_;
    int x_;
    int top_;
    std::vector<Run> runs_;
    std::vector<Piece> waiting_;
};
