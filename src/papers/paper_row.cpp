#include "papers/paper_row.h"

#include <QFontMetrics>
#include <algorithm>

namespace {
const int kGap = 6;  // between pieces that follow each other
void Centre(Label* l) { l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); }
}  // namespace

PaperRow::PaperRow(Screen& screen, int left, int top) : screen_(screen), x_(left), top_(top) {}

int PaperRow::textWidth(const Label* label, const QString& text) const {
    const QFontMetrics metrics(label->font());
    return int(metrics.horizontalAdvance(text) / screen_.pageScale() + 0.5);
}

PaperRow& PaperRow::text(Label* label, std::vector<int> piecesPerRun) {
    screen_.place(label, x_, top_);
    const QString t = label->text();
    // The runs of three or more blanks, in design units from the label's left edge.
    std::vector<Run> runs;
    for (int i = 0; i < t.size();) {
        if (t[i] != u' ') {
            ++i;
            continue;
        }
        int j = i;
        while (j < t.size() && t[j] == u' ') ++j;
        if (j - i >= 3) runs.push_back({x_ + textWidth(label, t.left(i)), x_ + textWidth(label, t.left(j)), 0});
        i = j;
    }
    runs_.clear();
    for (size_t r = 0; r < runs.size() && r < piecesPerRun.size(); ++r)
        if (piecesPerRun[r] > 0) runs_.push_back({runs[r].start, runs[r].end, piecesPerRun[r]});
    x_ += textWidth(label, t) + kGap;
    return *this;
}

void PaperRow::add(Piece piece) {
    if (runs_.empty()) {
        piece.place(x_);
        x_ += piece.width + kGap;
        return;
    }
    waiting_.push_back(std::move(piece));
    if (int(waiting_.size()) == runs_.front().pieces) {
        settle(runs_.front(), waiting_);
        waiting_.clear();
        runs_.erase(runs_.begin());
    }
}

// Spreads the pieces evenly over the run of blanks.
void PaperRow::settle(const Run& run, const std::vector<Piece>& pieces) {
    int total = 0;
    for (const Piece& p : pieces) total += p.width;
    const int n = int(pieces.size());
    const int room = run.end - run.start - total;
    const int between = std::max(2, room / (n + 1));
    int left = room >= between * (n + 1) ? run.start + between : run.start + room / 2 - between * (n - 1) / 2;
    for (const Piece& p : pieces) {
        p.place(left);
        left += p.width + between;
    }
}

PaperRow& PaperRow::fraction(Label* num, Label* den, Picture* bar) {
    const int width = std::max({textWidth(num, num->text()), textWidth(den, den->text()), 10}) + 6;
    const int top = top_;
    Screen& s = screen_;
    add({width, [&s, num, den, bar, width, top](int left) {
             Centre(num);
             Centre(den);
             s.setBounds(num, left, top - 12, width, 21);
             s.setBounds(bar, left, top + 10, width, 3);
             s.setBounds(den, left, top + 13, width, 21);
         }});
    return *this;
}

PaperRow& PaperRow::mixed(Label* whole, Label* num, Label* den, Picture* bar) {
    const int wholeWidth = textWidth(whole, whole->text()) + 2;
    const int width = std::max({textWidth(num, num->text()), textWidth(den, den->text()), 10}) + 6;
    const int top = top_;
    Screen& s = screen_;
    add({wholeWidth + width, [&s, whole, num, den, bar, wholeWidth, width, top](int left) {
             s.place(whole, left, top);
             Centre(num);
             Centre(den);
             s.setBounds(num, left + wholeWidth, top - 12, width, 21);
             s.setBounds(bar, left + wholeWidth, top + 10, width, 3);
             s.setBounds(den, left + wholeWidth, top + 13, width, 21);
         }});
    return *this;
}

PaperRow& PaperRow::boxes(QLineEdit* whole, QLineEdit* num, QLineEdit* den, Picture* bar, Label* answerWhole,
                          Label* answerNum, Label* answerDen) {
    const int wholeWidth = whole ? 32 : 0;
    const int width = 40;
    const int top = top_;
    Screen& s = screen_;
    add({wholeWidth + width, [=, &s](int left) {
             if (whole) {
                 s.setBounds(whole, left, top - 2, wholeWidth - 2, kBoxHeight);
                 if (answerWhole) {
                     Centre(answerWhole);
                     s.setBounds(answerWhole, left - 4, top + kBoxHeight, wholeWidth + 2, 15);
                 }
             }
             const int fx = left + wholeWidth;
             s.setBounds(num, fx, top - 16, width, kBoxHeight);
             s.setBounds(bar, fx + 4, top + 9, width - 8, 3);
             s.setBounds(den, fx, top + 13, width, kBoxHeight);
             for (Label* a : {answerNum, answerDen}) Centre(a);
             s.setBounds(answerNum, fx - 6, top + 38, width + 12, 15);
             s.setBounds(answerDen, fx - 6, top + 52, width + 12, 15);
         }});
    return *this;
}

PaperRow& PaperRow::box(QWidget* input, int width, Label* answer) {
    const int top = top_;
    Screen& s = screen_;
    add({width, [=, &s](int left) {
             s.setBounds(input, left, top - 2, width, kBoxHeight);
             if (answer) {
                 Centre(answer);
                 s.setBounds(answer, left - 10, top + kBoxHeight, width + 20, 15);
             }
         }});
    return *this;
}

PaperRow& PaperRow::picture(Picture* picture, int width, int height) {
    const int top = top_;
    Screen& s = screen_;
    add({width, [=, &s](int left) { s.setBounds(picture, left, top + 11 - height / 2, width, height); }});
    return *this;
}

PaperRow& PaperRow::word(Label* label) {
    const int top = top_;
    Screen& s = screen_;
    add({textWidth(label, label->text()), [=, &s](int left) { s.place(label, left, top); }});
    return *this;
}

PaperRow& PaperRow::tag(Label* label, int width) {
    const int top = top_;
    Screen& s = screen_;
    add({width, [=, &s](int left) {
             label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
             s.setBounds(label, left, top, width, 21);
         }});
    return *this;
}

PaperRow& PaperRow::space(int width) {
    x_ += width;
    return *this;
}

PaperRow& PaperRow::line(int left, int top) {
    x_ = left;
    top_ = top;
    runs_.clear();
    waiting_.clear();
    return *this;
}
