#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "app/layout_dump.h"
#include "app/screen.h"
#include "core/errors.h"
#include "core/text_file.h"
#include "testing/error_recorder.h"
#include "testing/screen_driver.h"

namespace {
// A small screen of every kind of control, with handlers that record what they saw.
class SampleScreen : public Screen {
public:
    SampleScreen() : Screen("FormSample", QSize(1000, 700)) {
        addButton(1, 40, 640, 200, 40, 24);
        addButton(2, 300, 640, 200, 40, 24);
        addButton(3, 900, 5, 40, 20, 10);
        addLabel(4, 100, 50, 32);
        addLabel(12, 100, 120);
        addEdit(15, 100, 200, 120, 30, 20);
        addCheckBox(7, 300, 200);
        addComboBox(1, 500, 200, 120, 30, {"так", "ні"});
        addImage(1, 700, 300, 200, 150, Picture::Fit::Proportional);
        addTimer(1, 5);
        onClick(button(2), &SampleScreen::Button2Click);
        onKeyDown(edit(15), &SampleScreen::Edit15KeyDown);
        onTimer(timer(1), &SampleScreen::Timer1Timer);
    }
    void FormCreate() override {
        setDumpButton(button(3));
        label(4)->setText("Заголовок");
    }
    void Button2Click() {
        label(12)->setText("before the error");
        throw ToolkitError("File not found");
    }
    void Edit15KeyDown(int key) { keys.push_back(key); }
    void Timer1Timer() {
        ++ticks;
        if (!tickError.isEmpty()) throw ToolkitError(tickError);
    }

    std::vector<int> keys;
    int ticks = 0;
    QString tickError;
};
}  // namespace

TEST(Screen, AnErrorInAHandlerIsShownAndWhatWasDoneStays) {
    auto screen = CreateScreen<SampleScreen>();
    ErrorRecorder errors;
    Click(screen->button(2));
    EXPECT_EQ(errors.messages(), QStringList{"File not found"});
    EXPECT_EQ(screen->label(12)->text(), "before the error");
    Click(screen->button(2));
    EXPECT_EQ(errors.messages().size(), 2);
}

TEST(Screen, ControlsCarryTheirNamesDesignPlacesAndFonts) {
    auto screen = CreateScreen<SampleScreen>();
    EXPECT_EQ(screen->edit(15)->objectName(), "Edit15");
    EXPECT_EQ(screen->designRect(screen->edit(15)), QRect(100, 200, 120, 30));
    EXPECT_EQ(screen->label(4)->font().family(), "Times New Roman");
    EXPECT_EQ(screen->label(4)->font().pixelSize(), 32);
    EXPECT_EQ(screen->comboBox(1)->currentIndex(), -1);
    EXPECT_FALSE(Shown(screen->button(3)));
    // An auto-sized label fits its text.
    EXPECT_GE(screen->label(4)->width(), screen->label(4)->fontMetrics().horizontalAdvance("Заголовок"));
    screen->place(screen->edit(15), 110, 210);
    EXPECT_EQ(screen->designRect(screen->edit(15)), QRect(110, 210, 120, 30));
}

TEST(Screen, ThePageScalesToFillTheWindowAndTallPagesScroll) {
    auto screen = CreateScreen<SampleScreen>();
    screen->show();
    screen->resize(2000, 1400);
    EXPECT_DOUBLE_EQ(screen->pageScale(), 2.0);
    EXPECT_EQ(screen->edit(15)->geometry(), QRect(200, 400, 240, 60));
    EXPECT_EQ(screen->edit(15)->font().pixelSize(), 40);
    // Design coordinates do not change with the scale.
    EXPECT_EQ(screen->designRect(screen->edit(15)), QRect(100, 200, 120, 30));

    screen->resize(3000, 1400);  // wide: the height decides
    EXPECT_DOUBLE_EQ(screen->pageScale(), 2.0);

    screen->setPageSize(QSize(1000, 2100));
    screen->resize(1000, 700);  // taller than the window: keeps nearly its size and scrolls
    EXPECT_GT(screen->pageScale(), 0.95);
    EXPECT_LE(screen->pageScale(), 1.0);
}

TEST(Screen, PaintingRedAndYellowKeepsDisabledTextReadable) {
    auto screen = CreateScreen<SampleScreen>();
    QLineEdit* edit = screen->edit(15);
    Screen::Paint(edit, kWrongRed);
    edit->setEnabled(false);
    EXPECT_TRUE(IsRed(edit));
    EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
    Screen::Paint(screen->label(12), kResultYellow);
    EXPECT_TRUE(IsYellow(screen->label(12)));
    EXPECT_TRUE(screen->label(12)->autoFillBackground());
    Screen::Unpaint(edit);
    EXPECT_FALSE(IsRed(edit));
}

TEST(Screen, KeysReachTheHandlerAndTheBox) {
    auto screen = CreateScreen<SampleScreen>();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
    QApplication::sendEvent(screen->edit(15), &press);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(screen->edit(15), &enter);
    EXPECT_EQ(screen->keys, (std::vector<int>{Qt::Key_5, Qt::Key_Return}));
    EXPECT_EQ(screen->edit(15)->text(), "5");
}

TEST(Screen, EscapeDoesNotCloseAScreen) {
    auto screen = CreateScreen<SampleScreen>();
    screen->show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(screen.get(), &escape);
    EXPECT_TRUE(screen->isVisible());
}

TEST(Screen, TimersTickWhileTheScreenIsHidden) {
    auto screen = CreateScreen<SampleScreen>();
    ASSERT_FALSE(screen->isVisible());
    QElapsedTimer waited;
    waited.start();
    while (screen->ticks < 3 && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_GE(screen->ticks, 3);
}

TEST(LayoutDump, WritesVisibleControlsButtonsFirstInDesignUnits) {
    TempDataFolder folder(TempDataFolder::Empty);
    auto screen = CreateScreen<SampleScreen>();
    screen->resize(2000, 1400);  // the dump does not depend on the window's size
    screen->checkBox(7)->hide();
    Click(screen->dumpButton());
    const QStringList expected = {
        "button1.Left:=40;", "button1.Top:=640;", "button2.Left:=300;", "button2.Top:=640;",
        "edit15.Left:=100;", "edit15.Top:=200;",  "combobox1.Left:=500;", "combobox1.Top:=200;",
        "label4.Left:=100;", "label4.Top:=50;",   "label12.Left:=100;",  "label12.Top:=120;",
        "image1.Left:=700;", "image1.Top:=300;"};
    EXPECT_EQ(folder.lines("zzkf.txt"), expected);
    EXPECT_TRUE(folder.bytes("zzkf.txt").endsWith("image1.Top:=300;\r\n"));
}

TEST(LayoutDump, TheTestsMenuGivesTwentyEightLines) {
    StartedProgram run(TempDataFolder::WithData);
    const QStringList lines = LayoutDumpLines(*run.screen(2));
    ASSERT_EQ(lines.size(), 28);
    EXPECT_TRUE(lines[0].startsWith("button1.Left:="));
    EXPECT_TRUE(lines[1].startsWith("button1.Top:="));
    EXPECT_TRUE(lines[22].startsWith("button12.Left:="));
    EXPECT_TRUE(lines[23].startsWith("button12.Top:="));
    EXPECT_TRUE(lines[24].startsWith("image1.Left:="));
    EXPECT_TRUE(lines[27].startsWith("image2.Top:="));
}

namespace {
void waitForTicks(SampleScreen& screen, int count) {
    const int target = screen.ticks + count;
    QElapsedTimer waited;
    waited.start();
    while (screen.ticks < target && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_GE(screen.ticks, target);
}
}  // namespace

TEST(Screen, ATimerThatFailsOnEveryTickIsReportedOnceUntilItRecovers) {
    auto screen = CreateScreen<SampleScreen>();
    ErrorRecorder errors;
    screen->tickError = "Cannot open file \"face.bmp\". No such file or directory";
    waitForTicks(*screen, 5);
    EXPECT_EQ(errors.messages().size(), 1);
    screen->tickError.clear();
    waitForTicks(*screen, 2);
    screen->tickError = "File not found";
    waitForTicks(*screen, 3);
    EXPECT_EQ(errors.messages(), (QStringList{"Cannot open file \"face.bmp\". No such file or directory", "File not found"}));
}

TEST(Screen, ErrorsRaisedWhileABoxIsOpenDoNotStackBoxes) {
    auto screen = CreateScreen<SampleScreen>();
    int boxes = 0;
    int deepest = 0;
    int open = 0;
    // A box that, like the real one, runs the event loop while it waits for OK.
    setErrorSink([&](const QString&) {
        ++boxes;
        deepest = std::max(deepest, ++open);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 100) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            Click(screen->button(2));  // the pupil keeps clicking a failing button behind the box
        }
        --open;
    });
    Click(screen->button(2));
    ErrorRecorder::InstallUnexpectedErrorFailure();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(deepest, 1);
}
