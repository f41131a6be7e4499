#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "app/attempt_record.h"
#include "app/screen.h"

// A test paper: problems drawn once at start-up, inputs the pupil fills in any
// order, and one press of "Перевірка" (Button2) that marks every answer item,
// shows the share of errors and appends one line to "stat.txt".
//
// A paper only lays out its controls, draws its numbers and declares its answer
// items with their right answers; marking, colours, the result label, disabling
// and the log line are done here, the same way for every paper.
//
// Every test paper has Button1 "Повернення", Button2 "Перевірка" and the hidden
// layout-dump button Button3.
class TestPaper : public Screen {
public:
    // How the check button is taken out of use once the paper is marked.
    enum class CheckButton {
        DisabledAtPress,       // before any marking, so it stays disabled even if the log fails
        DisabledAfterMarking,  // after the result is shown
        HiddenAfterMarking,
    };

    // What differs from paper to paper in the shared flow.
    struct Rules {
        int resultLabel = 2;                                   // the label that shows "Помилок …"
        CheckButton checkButton = CheckButton::DisabledAfterMarking;
        QString percentSign = QStringLiteral("%");            // what follows p on the result label
        QString closingText;                                   // ends the log line
        std::vector<int> answerLabels;                         // cleared when the paper is prepared
    };

    // One unit of marking: an edit box, a check box, a combo box or a group of
    // edit boxes marked together. When wrong, every input is painted red and each
    // answer label gets its text.
    struct AnswerItem {
        std::vector<QWidget*> inputs;
        std::vector<Label*> answerLabels;
        QStringList shownWhenWrong;          // one text per answer label
        std::function<bool()> isRight;
        bool counted = true;                 // false: adds an error when wrong, but is not one of the N items
        // When set, the answer labels' texts are made at marking instead, from what the pupil wrote.
        std::function<QStringList()> shownAtMarking = nullptr;
    };

    void Button1Click();
    void Button2Click();
    // The click handler of check box n: the box's state flag follows the pupil's clicks.
    void CheckBoxClick(int n);

    bool marked() const { return marked_; }
    int errorCount() const { return errors_; }
    int percent() const { return percent_; }
    // N: the number of counted answer items.
    int itemCount() const;
    bool ticked(int checkBox) const;
    const AttemptRecord& attempt() const { return attempt_; }

protected:
    TestPaper(const QString& caption, QSize page, Rules rules);

    // Call at the end of the paper's constructor, once its controls exist:
    // connects Button1, Button2 and the click handler of every check box.
    void ConnectPaper();

    // The common opening of FormCreate: hides the dump button, begins the attempt,
    // clears the answer labels and the result label, sets the captions and forgets
    // every flag and item. The paper then seeds the generator (or not) and draws.
    void StartPaper();

    // A fraction of the problem text: its numerator and denominator in their two labels.
    void ShowFraction(int numLabel, int denLabel, long long num, long long den);

    // Declaring the answer items, in marking order.
    void AddItem(AnswerItem item);
    // An edit box right when its text is exactly one of the accepted texts; the answer label shows the first.
    void AddEditItem(QLineEdit* edit, const QStringList& accepted, Label* answerLabel = nullptr);
    void AddEditItem(QLineEdit* edit, const QString& right, Label* answerLabel = nullptr);
    // The same for answers written with Latin letters ("36,4ab"): a Cyrillic letter drawn
    // like a Latin one counts as that letter; the box keeps what the pupil typed.
    void AddLetterItem(QLineEdit* edit, const QStringList& accepted, Label* answerLabel = nullptr);
    // Edit boxes marked as one item: right only when every box holds its text.
    void AddGroupItem(const std::vector<QLineEdit*>& edits, const QStringList& rights,
                      const std::vector<Label*>& answerLabels);
    // A check box right when its flag says ticked exactly when it should be.
    void AddCheckItem(int checkBox, bool shouldBeTicked);
    // A combo box right when the chosen entry's text is the right one; no choice is wrong.
    // The answer label, if any, shows `shown` (the right entry when empty).
    void AddComboItem(QComboBox* combo, const QString& rightEntry, Label* answerLabel = nullptr,
                      const QString& shown = {});

    // An answer input is named by its problem ("Задача 3"), its place among the
    // problem's answer items ("приклад 2") and its part of a fraction
    // ("чисельник"); a check box or a list adds the text it stands by.
    QString SpokenName(QWidget* control) const override;

private:
    // The problem whose heading ("3. Знайдіть …") stands last above the page line; 0 when none.
    int ProblemAt(int top) const;
    // The problem of each answer item, found once the paper is drawn.
    const std::vector<int>& itemProblems() const;
    mutable std::vector<int> itemProblems_;
    void DisableInputs();
    void WriteLogLine();

    Rules rules_;
    std::vector<AnswerItem> items_;
    std::vector<bool> ticked_;   // by check-box number
    bool marked_ = false;
    int errors_ = 0;
    int percent_ = 0;
    AttemptRecord attempt_;
};

// A whole number read the way the toolkit's integer parser reads it: leading
// blanks, then an optional sign, then decimal digits (leading zeros allowed) or a
// hexadecimal number after "$" or "0x". Anything else, an empty text, or a value
// outside 32 bits is a failed read.
std::optional<int> ReadInteger(const QString& text);
