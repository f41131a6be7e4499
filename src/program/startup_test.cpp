#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "app/data_location.h"
#include "app/screen.h"
#include "app/screen_lookup.h"
#include "testing/error_recorder.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"

namespace {
QStringList captions(const Screen* s, int first, int last) {
    QStringList list;
    for (int n = first; n <= last; ++n) list << s->button(n)->text();
    return list;
}
}  // namespace

TEST(StartUp, CreatesThirtySixScreensInOrderWithTheirTitles) {
    StartedProgram run;
    ASSERT_EQ(run.program->count(), 36);
    for (int n = 1; n <= 36; ++n) {
        ASSERT_NE(run.screen(n), nullptr);
        EXPECT_EQ(run.screen(n)->windowTitle(), QStringLiteral("Form%1").arg(n));
        EXPECT_EQ(run.byTitle(QStringLiteral("Form%1").arg(n)), run.screen(n));
    }
    EXPECT_EQ(run.program->mainWindow(), run.screen(1));
}

TEST(StartUp, MenusShowTheirCaptionsAndPictures) {
    StartedProgram run;
    const Screen* main = run.screen(1);
    EXPECT_EQ(captions(main, 1, 4), (QStringList{"Завершення", "Контрольні роботи", "Самостійні роботи", "Програми"}));
    EXPECT_EQ(main->image(1)->pictureName(), "sova4.bmp");
    EXPECT_EQ(main->image(2)->pictureName(), "kash2.bmp");
    EXPECT_EQ(main->button(2)->font().pixelSize(), 48);
    EXPECT_EQ(main->button(1)->font().pixelSize(), 32);
    EXPECT_EQ(main->button(1)->font().family(), "Times New Roman");

    const Screen* tests = run.screen(2);
    QStringList expected{"Повернення"};
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) expected << QStringLiteral("Контрольна робота №%1").arg(n);
    EXPECT_EQ(captions(tests, 1, 12), expected);
    EXPECT_FALSE(Shown(tests->button(13)));
    // Exactly eleven test buttons: nothing after Button13, which is the hidden dump button.
    EXPECT_EQ(tests->button(14), nullptr);

    const Screen* works = run.screen(14);
    EXPECT_EQ(captions(works, 1, 4),
              (QStringList{"Повернення", "Самостійна робота №1", "Самостійна робота №2", "Самостійна робота №3"}));
    EXPECT_FALSE(Shown(works->button(5)));
    // A diagonal from upper right to lower left.
    EXPECT_GT(works->designRect(works->button(2)).left(), works->designRect(works->button(3)).left());
    EXPECT_LT(works->designRect(works->button(2)).top(), works->designRect(works->button(3)).top());
    EXPECT_GT(works->designRect(works->button(3)).left(), works->designRect(works->button(4)).left());

    const Screen* programs = run.screen(18);
    EXPECT_EQ(captions(programs, 1, 16),
              (QStringList{"Повернення", "Прості дільники", "НСД-НСК", "Спільний знаменник", "Арифметичні дії з дробами",
                           "Додавання дробів", "Задачі 1", "Задачі 2", "Задачі 3", "Задачі 4", "Задачі 5", "Задачі 6",
                           "Задачі 7", "Коло", "Задачі 8", "Раціональні числа"}));
    EXPECT_FALSE(Shown(programs->button(17)));
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(programs->image(2 + i)->pictureName(), QStringLiteral("p%1.bmp").arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(programs->button(2)->font().pixelSize(), 24);
    EXPECT_EQ(programs->button(15)->font().pixelSize(), 24);

    const Screen* rational = run.screen(33);
    EXPECT_EQ(rational->label(1)->text(), "Дії з раціональними числами");
    EXPECT_EQ(rational->label(1)->font().pixelSize(), 48);
    EXPECT_EQ(captions(rational, 1, 4),
              (QStringList{"Повернення", "Десяткові дроби", "Звичайні дроби", "Гра \"Мауглі\""}));
    EXPECT_FALSE(Shown(rational->button(5)));
}

TEST(StartUp, EveryMenuButtonOpensItsScreen) {
    StartedProgram run;
    const std::vector<std::pair<int, std::vector<int>>> menus = {
        {1, {2, 14, 18}},
        {2, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {14, {15, 16, 17}},
        {18, {19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33}},
        {33, {34, 35, 36}},
    };
    for (const auto& [menu, targets] : menus) {
        run.modal.opened.clear();
        for (size_t i = 0; i < targets.size(); ++i) Click(run.screen(menu)->button(2 + int(i)));
        ASSERT_EQ(run.modal.opened.size(), targets.size()) << "menu " << menu;
        for (size_t i = 0; i < targets.size(); ++i) EXPECT_EQ(run.modal.opened[i], run.screen(targets[i])) << "menu " << menu;
    }
}

TEST(StartUp, ReturnButtonsCloseTheirOwnScreen) {
    StartedProgram run;
    for (int n : {1, 2, 14, 18, 33}) {
        Screen* s = run.screen(n);
        s->show();
        ASSERT_TRUE(s->isVisible());
        Click(s->button(1));
        EXPECT_FALSE(s->isVisible()) << "Form" << n;
    }
}

TEST(StartUp, AMissingPictureSkipsTheRestOfThatMenuAndStartUpGoesOn) {
    TempDataFolder folder;
    folder.remove("p03.bmp");
    ErrorRecorder errors;
    ModalRecorder modal;
    const auto program = StartProgram();
    ASSERT_EQ(program->count(), 36);
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages()[0],
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(QDir::toNativeSeparators(folder.file("p03.bmp"))));
    const Screen* programs = program->screen(18);
    EXPECT_EQ(programs->image(4)->pictureName(), "p02.bmp");
    EXPECT_TRUE(programs->image(5)->isEmpty());
    EXPECT_TRUE(programs->image(6)->isEmpty());
    // Captions come after the pictures: they keep their design-time text.
    EXPECT_EQ(programs->button(2)->text(), "Button2");
    // The next screen was made as usual.
    EXPECT_EQ(program->screen(33)->button(2)->text(), "Десяткові дроби");
}

TEST(StartUp, APictureThatIsNoBitmapIsReportedAsNotValid) {
    // Only bitmaps are read: another format under a bitmap's name is a broken picture.
    TempDataFolder folder;
    QImage square(8, 8, QImage::Format_RGB32);
    square.fill(Qt::red);
    folder.remove("p03.bmp");  // a link to the shared rendering: never written through
    ASSERT_TRUE(square.save(folder.file("p03.bmp"), "PNG"));
    ErrorRecorder errors;
    ModalRecorder modal;
    const auto program = StartProgram();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages()[0], QStringLiteral("Cannot open file \"%1\". Bitmap image is not valid").arg(QDir::toNativeSeparators(folder.file("p03.bmp"))));
    EXPECT_EQ(program->screen(18)->image(4)->pictureName(), "p02.bmp");
    EXPECT_FALSE(program->screen(18)->image(4)->image().isNull());
}

namespace {
// The installed content beneath the data folder for one test.
struct InstalledContent {
    explicit InstalledContent(const QString& folder) { SetContentFolder(folder); }
    ~InstalledContent() { SetContentFolder(QString()); }
};
}  // namespace

TEST(StartUp, AFolderOfLogsAloneShowsTheInstalledPicturesAndItsOwnPictureWins) {
    TempDataFolder folder(TempDataFolder::Empty);
    ASSERT_TRUE(EnsureResultsLogs(folder.path()));
    QImage own(8, 8, QImage::Format_RGB32);
    own.fill(Qt::red);
    ASSERT_TRUE(own.save(folder.path() + "/KASH2.BMP", "BMP"));
    ModalRecorder modal;
    {
        InstalledContent content(QStringLiteral(M6_TESTDATA_DIR));
        ErrorRecorder errors;
        const auto program = StartProgram();
        EXPECT_EQ(errors.messages(), QStringList());
        EXPECT_EQ(program->screen(1)->image(1)->image(), QImage(QStringLiteral(M6_TESTDATA_DIR "/sova4.bmp")));
        EXPECT_EQ(program->screen(1)->image(2)->image().pixel(0, 0), QColor(Qt::red).rgb());
        EXPECT_FALSE(program->screen(18)->image(17)->image().isNull()) << "p15.bmp";
    }
    // Content without the picture: the message names the data folder, as without content.
    TempDataFolder emptyContent(TempDataFolder::Empty);
    QDir::setCurrent(folder.path());
    InstalledContent content(emptyContent.path());
    ErrorRecorder errors;
    const auto program = StartProgram();
    ASSERT_FALSE(errors.messages().isEmpty());
    EXPECT_EQ(errors.messages()[0],
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(QDir::toNativeSeparators(folder.file("sova4.bmp"))));
}

TEST(StartUp, AScreenGetsItsScrollAreaAtItsFirstShowingAndTheAreaTakesTheKeyboardFirst) {
    StartedProgram run;
    Screen* paper = run.screen(3);
    EXPECT_EQ(paper->findChild<QScrollArea*>(), nullptr) << "a screen not yet shown needs none";
    paper->show();
    QApplication::setActiveWindow(paper);
    QApplication::processEvents();
    const auto* scroll = paper->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->widget(), paper->button(1)->parentWidget());
    EXPECT_EQ(paper->focusWidget(), scroll);
    paper->hide();
}

TEST(StartUp, ClosingTheMainMenuEndsTheProgramWhileOtherScreensStillExist) {
    StartedProgram run;
    Screen* main = run.program->mainWindow();
    main->show();
    Click(run.screen(1)->button(2));  // the tests menu opens …
    Click(run.screen(2)->button(1));  // … and closes again
    QTimer::singleShot(0, main, [main] { Click(main->button(1)); });
    QTimer guard;
    bool timedOut = false;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::quit();
    });
    guard.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(main->isVisible());
    EXPECT_NE(run.screen(36), nullptr);
}

TEST(StartUp, EveryScreenWithADumpButtonHidesItAndWritesItsLayout) {
    StartedProgram run;
    int screensWithDump = 0;
    for (int n = 1; n <= 36; ++n) {
        Screen* s = run.screen(n);
        if (!s->dumpButton()) continue;
        ++screensWithDump;
        EXPECT_FALSE(Shown(s->dumpButton())) << "Form" << n;
        run.folder.remove("zzkf.txt");
        Click(s->dumpButton());
        const QStringList lines = run.folder.lines("zzkf.txt");
        ASSERT_FALSE(lines.isEmpty()) << "Form" << n;
        EXPECT_TRUE(lines[0].startsWith("button")) << "Form" << n;
        const QString dumpName = s->dumpButton()->objectName().toLower() + ".";
        for (const QString& line : lines) EXPECT_FALSE(line.startsWith(dumpName)) << "Form" << n;
    }
    // The four sub-menus at least; the main menu has none.
    EXPECT_GE(screensWithDump, 4);
    EXPECT_EQ(run.screen(1)->dumpButton(), nullptr);
}

TEST(StartUp, TheMenuFirstAndTheRestAfterGiveTheSameScreensAndDraws) {
    TempDataFolder folder;
    ModalRecorder modal;
    const auto shown = [](const Program& p) {
        QStringList texts;
        for (int n = 1; n <= p.count(); ++n) {
            texts << p.screen(n)->windowTitle();
            for (QWidget* w : p.screen(n)->controls()) {
                if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
            }
        }
        return texts;
    };
    QStringList atOnce;
    {
        SeededRandom random(5);
        atOnce = shown(*StartProgram());
    }
    SeededRandom random(5);
    const auto program = StartMainMenu();
    EXPECT_EQ(program->count(), 1);
    // A click that reaches for a screen before the rest of start-up has run runs it first.
    Screen* paper7 = ScreenNumber(9);
    ASSERT_NE(paper7, nullptr);
    EXPECT_EQ(paper7, program->screen(9));
    EXPECT_EQ(program->count(), 36);
    EXPECT_EQ(shown(*program), atOnce);
}
