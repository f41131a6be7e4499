#include <gtest/gtest.h>

#include "papers/paper_flow.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
// A small paper with every kind of item test 1 does not use: a group of three
// boxes, an edit box with two accepted texts, a combo box without an answer
// label; its check button is hidden after marking and its result has " %".
class SamplePaper : public TestPaper {
public:
    SamplePaper()
        : TestPaper(QStringLiteral("Sample"), QSize(1010, 720),
                    Rules{.resultLabel = 2,
                          .checkButton = CheckButton::HiddenAfterMarking,
                          .percentSign = QStringLiteral(" %"),
                          .closingText = QStringLiteral(" c К.р.№99 Ваpіант № + "),
                          .answerLabels = {3, 4, 5, 6}}) {
        addButton(1, 800, 650, 150, 40);
        addButton(2, 800, 10, 150, 40);
        addButton(3, 990, 0, 10, 10);
        addLabel(1, 20, 10, 24);
        addLabel(2, 300, 10, 24);
        for (int i = 0; i < 5; ++i) addEdit(1 + i, 20 + 100 * i, 100, 80, 30);
        for (int i = 0; i < 4; ++i) addLabel(3 + i, 20 + 100 * i, 135);
        addComboBox(1, 20, 200, 80, 30, {">", "<", "="});
        addCheckBox(1, 20, 250);
        addCheckBox(2, 60, 250);
        addCheckBox(3, 100, 250);  // not an item: disabled all the same
        ConnectPaper();
    }
    void FormCreate() override {
        StartPaper();
        label(1)->setText(QStringLiteral("Зразок"));
        AddGroupItem({edit(1), edit(2), edit(3)}, {"2", "3", "4"}, {label(3), label(4), label(5)});
        AddEditItem(edit(4), QStringList{"0,5", "0.5"}, label(6));
        AddComboItem(comboBox(1), "<");
        AddCheckItem(1, true);
        AddCheckItem(2, false);
        AddEditItem(edit(5), "7");
    }
};

void AnswerRight(SamplePaper& p) {
    Type(p.edit(1), "2");
    Type(p.edit(2), "3");
    Type(p.edit(3), "4");
    Type(p.edit(4), "0.5");
    Choose(p.comboBox(1), 1);
    Click(p.checkBox(1));
    Type(p.edit(5), "7");
}
}  // namespace

TEST(TestPaper, PreparesAnOpenPaper) {
    FakeClock clock;
    const auto p = CreateScreen<SamplePaper>();
    EXPECT_EQ(p->button(1)->text(), "Повернення");
    EXPECT_EQ(p->button(2)->text(), "Перевірка");
    EXPECT_FALSE(Shown(p->button(3)));
    for (int n = 2; n <= 6; ++n) EXPECT_EQ(p->label(n)->text(), "") << n;
    EXPECT_EQ(p->itemCount(), 6);
    EXPECT_EQ(p->attempt().logLine, "дата 08.12.2026 час початку 9:05:03 помилок ");
}

TEST(TestPaper, CheckBoxFlagsFollowTheClicks) {
    FakeClock clock;
    const auto p = CreateScreen<SamplePaper>();
    EXPECT_FALSE(p->ticked(2));
    Click(p->checkBox(2));
    EXPECT_TRUE(p->ticked(2));
    Click(p->checkBox(2));
    EXPECT_FALSE(p->ticked(2));
    EXPECT_FALSE(p->ticked(1));
}

TEST(TestPaper, RightAnswersIncludingAnAcceptedAlternative) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = CreateScreen<SamplePaper>();
    AnswerRight(*p);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 0);
    EXPECT_EQ(p->label(2)->text(), "Помилок 0 %");
}

TEST(TestPaper, AGroupIsOneItemAndThePercentageIsTruncated) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = CreateScreen<SamplePaper>();
    AnswerRight(*p);
    Type(p->edit(2), "03");  // one box of the group wrong
    clock.advance(12);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 1);
    for (int n : {1, 2, 3}) EXPECT_TRUE(IsRed(p->edit(n))) << n;
    EXPECT_EQ(p->label(3)->text(), "2");
    EXPECT_EQ(p->label(4)->text(), "3");
    EXPECT_EQ(p->label(5)->text(), "4");
    EXPECT_EQ(p->label(6)->text(), "");
    EXPECT_FALSE(IsRed(p->edit(4)));
    // 100 / 6 = 16.67: truncated, not rounded.
    EXPECT_EQ(p->label(2)->text(), "Помилок 16 %");
    EXPECT_TRUE(IsYellow(p->label(2)));
    EXPECT_EQ(folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 16% час виконання 12 c К.р.№99 Ваpіант № + "});
}

TEST(TestPaper, AnUntouchedPaperAndTheHiddenCheckButton) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = CreateScreen<SamplePaper>();
    Click(p->button(2));
    // The group, the two edit boxes and the list are wrong; the box that should stay empty is right.
    EXPECT_EQ(p->errorCount(), 5);
    EXPECT_EQ(p->label(6)->text(), "0,5");
    EXPECT_TRUE(IsRed(p->comboBox(1)));
    EXPECT_TRUE(IsRed(p->checkBox(1)));
    EXPECT_FALSE(IsRed(p->checkBox(2)));
    EXPECT_EQ(p->label(2)->text(), "Помилок 83 %");
    EXPECT_FALSE(Shown(p->button(2)));
    for (int n = 1; n <= 5; ++n) EXPECT_FALSE(p->edit(n)->isEnabled()) << n;
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(p->checkBox(n)->isEnabled()) << n;
    EXPECT_FALSE(p->comboBox(1)->isEnabled());
    EXPECT_TRUE(p->button(1)->isEnabled());
    // Typed text stays readable on the disabled red boxes.
    EXPECT_EQ(p->edit(1)->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
}

TEST(TestPaper, AFailedLogLeavesThePaperMarkedForGood) {
    TempDataFolder folder;
    folder.remove("stat.txt");
    FakeClock clock;
    const auto p = CreateScreen<SamplePaper>();
    ErrorRecorder errors;
    Click(p->button(2));
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    EXPECT_TRUE(p->marked());
    EXPECT_FALSE(Shown(p->button(2)));
    folder.write("stat.txt", QByteArray());
    p->Button2Click();
    EXPECT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(folder.lines("stat.txt").isEmpty());
}

TEST(ReadInteger, ReadsWholeNumbersTheToolkitsWay) {
    for (const char* text : {"2", " 2", "+2", "02", "$2", "0x2", "0X2", "  +0002", "\t2"})
        EXPECT_EQ(ReadInteger(QString::fromUtf8(text)), 2) << text;
    EXPECT_EQ(ReadInteger("-7"), -7);
    EXPECT_EQ(ReadInteger("$ff"), 255);
    EXPECT_EQ(ReadInteger("2147483647"), 2147483647);
    EXPECT_EQ(ReadInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadInteger("$7FFFFFFF"), 2147483647);
}

TEST(ReadInteger, AnythingElseIsAFailedRead) {
    for (const char* text : {"", " ", "+", "-", "$", "0x", "2 ", "2a", "1e3", "2,0", "2.0", "--2", "+-2", "0x-2",
                             "x2", "$g", "2147483648", "-2147483649", "99999999999999999999999999", "２", "два"})
        EXPECT_FALSE(ReadInteger(QString::fromUtf8(text)).has_value()) << text;
}
