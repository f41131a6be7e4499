#include "problems/problem_set.h"

#include "app/results_log.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

ProblemSet::ProblemSet(const QString& caption, QSize page, ProblemSetPlan plan)
    : Screen(caption, page), plan_(std::move(plan)) {}

void ProblemSet::AddFlowButtons(int rowTop, int backTop, int width) {
    const int gap = 20;
    addButton(2, gap, rowTop, width, 50, 24);
    addButton(3, gap + width + gap, rowTop, width, 50, 24);
    addButton(1, gap, backTop, width, 50, 24);
    addButton(4, 960, 2, 40, 16, 10);
}

void ProblemSet::WireFlow() {
    if (timer(1) == nullptr) addTimer(1, 100);
    onClick(button(1), &ProblemSet::Button1Click);
    onClick(button(2), &ProblemSet::Button2Click);
    onClick(button(3), &ProblemSet::Button3Click);
    onTimer(timer(1), &ProblemSet::Timer1Timer);
    setJudgingButton(button(3));
    // The reader says the new problem's title, the verdict and the time as they come.
    for (int n : {plan_.titleLabel, plan_.verdictLabel, plan_.timeLabel})
        if (n > 0) markAnnounced(label(n));
}

void ProblemSet::FormCreate() {
    setDumpButton(button(4));
    KindUsed.fill(false);
    Randomize();
    RightCount = 0;
    ProblemNo = 0;
    ErrorCount = 0;
    AnimStep = 0;
    button(1)->setText(QStringLiteral("Повернення"));
    button(2)->setText(QStringLiteral("Початок"));
    button(3)->setText(QStringLiteral("Перевірка"));
    button(3)->hide();
}

void ProblemSet::Button1Click() { Close(); }

void ProblemSet::Button2Click() {
    // Only while problems remain and none is waiting for its check.
    if (problemOpen_ || ProblemNo >= kProblemsPerAttempt) return;
    if (ProblemNo == 0) BeginAttempt(attempt_);
    button(2)->hide();
    button(3)->show();
    ClearProblem();

    int kind = 0;
    do {
        kind = DrawCategory(plan_.kindDrawN, plan_.kindDrawBase);
    } while (kind < 1 || kind > plan_.kindCount || KindUsed[size_t(kind)]);
    KindUsed[size_t(kind)] = true;
    CurrentKind = kind;

    PrimeUsed.fill(false);
    ++ProblemNo;
    // Open before generating: should a generator fail half way, "Перевірка" still
    // marks the problem and the set can be finished.
    problemOpen_ = true;
    Generate(kind);

    if (plan_.answerCaptionLabel > 0) label(plan_.answerCaptionLabel)->setText(QStringLiteral("Відповідь: "));
    label(plan_.titleLabel)->setText(QStringLiteral("Задача %1").arg(ProblemNo));
    NameControls();
}

void ProblemSet::Button3Click() {
    // One check per problem: a second one would count the same answer twice.
    if (!problemOpen_) return;
    problemOpen_ = false;
    if (ProblemNo < kProblemsPerAttempt) {
        button(2)->setText(QStringLiteral("Продовження"));
        button(2)->show();
    }
    button(3)->hide();

    if (AnswerIsRight()) {
        ++RightCount;
        label(plan_.verdictLabel)->setText(QStringLiteral("Правильно"));
        if (RightCount < kProblemsPerAttempt) {
            if (RightCount <= plan_.stillPictures.size()) {
                LoadPictureOrReport(image(plan_.rewardImage), plan_.stillPictures[RightCount - 1]);
                image(plan_.rewardImage)->setAccessibleName(
                    QStringLiteral("Правильних відповідей: %1 з %2").arg(RightCount).arg(kProblemsPerAttempt));
            }
        } else {
            AnimStep = 1;  // five of five: the animation takes over the reward picture
        }
    } else {
        ++ErrorCount;
        label(plan_.verdictLabel)->setText(QStringLiteral("Неправильно"));
        if (plan_.rightCaptionLabel > 0) label(plan_.rightCaptionLabel)->setText(QStringLiteral("Правильна відповідь:"));
        ShowRightAnswers();
    }

    if (ProblemNo == kProblemsPerAttempt) {
        const int mark = std::max(0, kProblemsPerAttempt - ErrorCount);
        FinishSet(ErrorCount, plan_.folder + QStringLiteral("\\ocenka%1s.bmp").arg(mark));
    }
}

void ProblemSet::FinishSet(int errors, const QString& markPicture) {
    label(plan_.titleLabel)->setText(QStringLiteral("Поздоровляю!"));
    button(3)->hide();
    button(2)->hide();
    LoadPictureOrReport(image(plan_.markImage), markPicture);
    FinishAttempt(attempt_);
    attempt_.errorCount = errors;
    // The time goes on screen before the log is written: a missing log must not hide it.
    label(plan_.timeLabel)->setText(QStringLiteral("Час %1 c").arg(attempt_.elapsedSeconds));
    attempt_.logLine += QString::number(errors) + QStringLiteral(" час виконання ") +
                        QString::number(attempt_.elapsedSeconds) + QStringLiteral(" c ") +
                        QStringLiteral(" рівень %1").arg(plan_.level);
    AppendLine(plan_.folder + QStringLiteral("\\stat.txt"), attempt_.logLine);
}

void ProblemSet::Timer1Timer() {
    if (AnimStep < 1 || AnimStep > plan_.frames.size()) return;
    // Stopped while loading: a missing frame is reported once, not every tick.
    const int frame = AnimStep;
    AnimStep = 0;
    LoadPicture(image(plan_.rewardImage), plan_.frames[frame - 1]);
    AnimStep = frame % int(plan_.frames.size()) + 1;
}

int ProblemSet::DrawFreshPrime(int n, int base, bool mark) {
    int index = 0;
    do {
        index = DrawCategory(n, base);
    } while (PrimeUsed[size_t(index)]);
    if (mark) PrimeUsed[size_t(index)] = true;
    return Primes[size_t(index)];
}

void ProblemSet::MarkPrime(int prime) {
    for (size_t i = 1; i < Primes.size(); ++i)
        if (Primes[i] == prime) PrimeUsed[i] = true;
}

void ProblemSet::OpenField(QLineEdit* edit) {
    edit->clear();
    edit->setEnabled(true);
    edit->show();
}

void ProblemSet::ShowFraction(int line, int gap, int numLabel, int bar, int denLabel, const QString& num,
                              const QString& den) {
    Label* text = label(line);
    const QString s = text->text();
    // Find the blank run: its start and length in characters.
    int start = -1, length = 0, found = 0;
    for (int i = 0; i < s.size();) {
        int j = i;
        while (j < s.size() && s[j] == u' ') ++j;
        if (j - i >= 4 && i > 0) {
            if (found == gap) {
                start = i;
                length = j - i;
                break;
            }
            ++found;
        }
        i = j > i ? j : i + 1;
    }
    // Measured at the window's scale, placed on the page.
    const QFontMetricsF metrics(text->font());
    const QFontMetricsF small(label(numLabel)->font());
    const double scale = pageScale() > 0 ? pageScale() : 1.0;
    const QRect at = designRect(text);
    Picture* picture = image(bar);
    // The bar's natural width: the design width may have been narrowed for an earlier gap.
    constexpr int kBarWidth = 41;
    const int barHeight = designRect(picture).height();
    // The bar's picture has a ground of its own, so it must not reach a letter of
    // the line: in a run narrower than the bar the bar is drawn narrower, a pixel
    // clear of each neighbour; after the text it keeps a blank's width of space.
    const double blank = metrics.horizontalAdvance(QStringLiteral(" ")) / scale;
    int barWidth = kBarWidth;
    double barLeft = 0;
    if (start >= 0) {
        const double runLeft = at.left() + metrics.horizontalAdvance(s.left(start)) / scale;
        const double runWidth = metrics.horizontalAdvance(QString(length, u' ')) / scale;
        barWidth = std::clamp(int(std::floor(runWidth)) - 2, 1, barWidth);
        barLeft = std::ceil(runLeft + (runWidth - barWidth) / 2);
    } else {
        const double textEnd = at.left() + metrics.horizontalAdvance(s) / scale;
        const double widest = std::max({double(barWidth), small.horizontalAdvance(num) / scale,
                                        small.horizontalAdvance(den) / scale});
        barLeft = std::ceil(textEnd + blank + (widest - barWidth) / 2);
    }
    const int left = int(barLeft);
    const int centre = left + barWidth / 2;
    const int barTop = at.top() + 5;
    picture->setFit(Picture::Fit::Stretch);
    setBounds(picture, left, barTop, barWidth, barHeight);
    LoadPicture(picture, QStringLiteral("kr\\chdr4.bmp"));
    picture->show();
    Label* top = label(numLabel);
    Label* bottom = label(denLabel);
    top->setText(num);
    bottom->setText(den);
    // Read once, as one number.
    top->setAccessibleName(num + u'/' + den);
    bottom->setSilent(true);
    place(top, centre - int(small.horizontalAdvance(num) / scale / 2), barTop - 17);
    place(bottom, centre - int(small.horizontalAdvance(den) / scale / 2), barTop + 12);
    // The digits go over the bar's ground.
    top->raise();
    bottom->raise();
}

void ProblemSet::ShowBar(int bar, const QString& picture) {
    LoadPicture(image(bar), picture);
    image(bar)->show();
}
