// A pupil without a mouse and a pupil with a screen reader, on every screen:
// Tab visits each control once in reading order, the buttons that judge and
// leave come after every input, every input and meaningful picture has a name
// of its own, results are announced, and a screen of each family can be
// finished with keys alone.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <set>

#include "testing/error_recorder.h"
#include "testing/screen_driver.h"

namespace {
const int kMenus[] = {1, 2, 14, 18, 33};

bool IsMenu(int n) { return std::find(std::begin(kMenus), std::end(kMenus), n) != std::end(kMenus); }

bool TakesTab(const QWidget* w) {
    return !w->isHidden() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

std::string Describe(const Screen* s, const QWidget* w) {
    if (!w) return "nothing";
    return (s->objectName() + u'.' + w->objectName()).toStdString();
}

// Whether b may follow a in reading order: lower on the page, or on about the
// same line (a fraction's boxes stand higher and lower than a plain box) and
// not to its left.
bool Follows(const QRect& a, const QRect& b) {
    if (b.top() >= a.bottom() - 2) return true;
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    if (overlap > 0 && b.left() >= a.left()) return true;
    return b.left() >= a.right() - 2 && std::abs(b.center().y() - a.center().y()) * 2 <= 3 * std::max(a.height(), b.height());
}

std::string Rect(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height()).toStdString();
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// A key pressed where the keyboard is: the screen's focused control.
void PressKey(Screen* screen, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SendKey(screen->focusWidget() ? screen->focusWidget() : screen, key, modifiers);
    QApplication::processEvents();
}

// Walks Tab from the screen's first focus, the page, until it comes round again.
std::vector<QWidget*> WalkTab(Screen* screen) {
    if (auto* page = screen->findChild<QScrollArea*>()) page->setFocus();
    std::vector<QWidget*> visited;
    for (int i = 0; i < 600; ++i) {
        PressKey(screen, Qt::Key_Tab);
        QWidget* now = screen->focusWidget();
        if (!visited.empty() && now == visited.front()) break;
        visited.push_back(now);
    }
    return visited;
}

void CheckKeyboardAndNames(Screen* screen, const QString& when) {
    SCOPED_TRACE((screen->objectName() + u' ' + when).toStdString());
    std::set<QWidget*> expected;
    for (QWidget* w : screen->controls())
        if (w != screen->dumpButton() && TakesTab(w)) expected.insert(w);

    const std::vector<QWidget*> visited = WalkTab(screen);
    std::map<QWidget*, int> times;
    for (QWidget* w : visited) ++times[w];
    for (QWidget* w : expected) EXPECT_EQ(times[w], 1) << Describe(screen, w) << " reached " << times[w] << " times";
    for (QWidget* w : visited) EXPECT_TRUE(expected.count(w)) << Describe(screen, w) << " is not a control to reach";

    // Inputs in reading order, then the buttons that judge, the return button last.
    int lastInput = -1;
    const QWidget* previous = nullptr;
    for (size_t i = 0; i < visited.size(); ++i) {
        QWidget* w = visited[i];
        if (!IsAnswerInput(w)) continue;
        lastInput = int(i);
        if (previous) {
            EXPECT_TRUE(Follows(screen->designRect(previous), screen->designRect(w)))
                << Describe(screen, previous) << Rect(screen->designRect(previous)) << " then " << Describe(screen, w)
                << Rect(screen->designRect(w));
        }
        previous = w;
    }
    for (size_t i = 0; i < visited.size(); ++i) {
        auto* b = qobject_cast<QPushButton*>(visited[i]);
        if (b && b->text() == QStringLiteral("Перевірка")) {
            EXPECT_GT(int(i), lastInput) << "Перевірка before an input";
        }
    }
    if (QAbstractButton* back = screen->returnButton(); back && TakesTab(back)) {
        ASSERT_FALSE(visited.empty());
        EXPECT_EQ(visited.back(), back) << "the return button is not last";
    }

    // Names: every input and every meaningful picture, unique on the screen.
    std::map<QString, QWidget*> names;
    for (QWidget* w : screen->controls()) {
        if (w->isHidden() || w == screen->dumpButton()) continue;
        const auto* picture = dynamic_cast<const Picture*>(w);
        // Marks, test 7's number row and test 9's expression; the bars and signs are decoration.
        const QString file = picture ? picture->pictureName().toLower() : QString();
        const bool meaningful = file.contains(QStringLiteral("ocenka")) || file.startsWith(QStringLiteral("kr\\t")) ||
                                file.startsWith(QStringLiteral("kr/pr"));
        if (!IsAnswerInput(w) && !meaningful) continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(face, nullptr);
        const QString name = face->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << Describe(screen, w) << " has no name";
        if (name.isEmpty()) continue;
        const auto [at, fresh] = names.insert({name, w});
        EXPECT_TRUE(fresh) << Describe(screen, w) << " and " << Describe(screen, at->second) << " are both \""
                           << name.toStdString() << '"';
    }
}

// A start button: the first one Tab reaches that neither judges nor leaves.
QPushButton* StartButton(Screen* screen) {
    for (QWidget* w : screen->focusChain()) {
        auto* b = qobject_cast<QPushButton*>(w);
        if (b && b != screen->returnButton() && b->text() != QStringLiteral("Перевірка")) return b;
    }
    return nullptr;
}
}  // namespace

TEST(Keyboard, EveryScreenIsWalkedInReadingOrderAndNamed) {
    StartedProgram run;
    ErrorRecorder errors;
    for (int n = 1; n <= 36; ++n) {
        Screen* screen = run.screen(n);
        screen->show();
        QApplication::processEvents();
        CheckKeyboardAndNames(screen, QStringLiteral("as opened"));
        // Past each start button (a lesson, a set, a game, a work's variant and start).
        for (int step = 1; step <= 3 && !IsMenu(n); ++step) {
            QPushButton* start = StartButton(screen);
            if (!start) break;
            start->click();
            QApplication::processEvents();
            CheckKeyboardAndNames(screen, QStringLiteral("after ") + start->objectName());
        }
        screen->hide();
    }
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(" | ").toStdString();
}

TEST(Keyboard, TheFirstTabLandsOnTheFirstInputAndShiftTabOnTheReturnButton) {
    StartedProgram run;
    Screen* paper = run.screen(3);
    paper->show();
    QApplication::processEvents();
    PressKey(paper, Qt::Key_Tab);
    const std::vector<QWidget*> chain = paper->focusChain();
    ASSERT_GE(chain.size(), 3u);
    EXPECT_EQ(paper->focusWidget(), chain.front());
    EXPECT_TRUE(IsAnswerInput(chain.front()));
    // Back from the first input: "Повернення", never "Перевірка".
    PressKey(paper, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(paper->focusWidget(), paper->returnButton());
    // Test 1's problem 1: the first row's six boxes, then the second row's.
    std::vector<QString> firstTwelve;
    for (size_t i = 0; i < 12; ++i) firstTwelve.push_back(chain[i]->objectName());
    std::vector<QString> rows;
    for (int n = 1; n <= 12; ++n) rows.push_back(QStringLiteral("CheckBox%1").arg(n));
    EXPECT_EQ(firstTwelve, rows);
}

TEST(Keyboard, AMixedNumbersBoxesGoWholeNumeratorDenominator) {
    // The garden game's answer: the whole box left, between the other two.
    StartedProgram run;
    Screen* game = run.screen(36);
    game->show();
    QApplication::processEvents();
    game->button(2)->click();  // "Сад 1"
    QApplication::processEvents();
    std::vector<QWidget*> edits;
    for (QWidget* w : game->focusChain())
        if (qobject_cast<QLineEdit*>(w)) edits.push_back(w);
    ASSERT_EQ(edits.size(), 3u);
    EXPECT_EQ(edits[0], game->edit(1));
    EXPECT_EQ(edits[1], game->edit(2));
    EXPECT_EQ(edits[2], game->edit(3));
}

TEST(ScreenReader, NamesSayTheProblemThePartAndTheMark) {
    StartedProgram run;
    Screen* paper = run.screen(5);  // test 3
    paper->show();
    QApplication::processEvents();
    QStringList names;
    for (QWidget* w : paper->focusChain())
        if (IsAnswerInput(w)) names << w->accessibleName();
    EXPECT_TRUE(names.contains(QStringLiteral("Задача 1, приклад 1: чисельник"))) << names.join(" | ").toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("Задача 1, приклад 1: знаменник"))) << names.join(" | ").toStdString();

    Screen* test7 = run.screen(9);
    test7->show();
    QApplication::processEvents();
    // The first box under the row picture: the row's caption and the number over the box.
    const QString first = test7->checkBox(1)->accessibleName();
    EXPECT_TRUE(first.startsWith(QStringLiteral("натуральні: "))) << first.toStdString();
    EXPECT_TRUE(test7->image(1)->accessibleName().contains(first.mid(12))) << test7->image(1)->accessibleName().toStdString();

    EXPECT_EQ(MarkPictureSpokenName(QStringLiteral("deli\\ocenka9.bmp")), QStringLiteral("Оцінка 9"));
    EXPECT_EQ(MarkPictureSpokenName(QStringLiteral("z1\\Ocenka4s.bmp")), QStringLiteral("Оцінка 4 з 5"));
    EXPECT_EQ(MarkPictureSpokenName(QStringLiteral("zcircle/ocenka6ps.bmp")), QStringLiteral("Оцінка 6 з 8"));
    EXPECT_EQ(MarkPictureSpokenName(QStringLiteral("vch\\01(3).bmp")), QString());
    EXPECT_EQ(MarkPictureSpokenName(QStringLiteral("ocenkas.bmp")), QString());
}

TEST(ScreenReader, AResultIsAnnouncedWithoutMovingTheFocus) {
    StartedProgram run;
    Screen* paper = run.screen(3);
    paper->show();
    QApplication::processEvents();
    PressKey(paper, Qt::Key_Tab);
    ASSERT_NE(paper->focusWidget(), nullptr);

    // "Перевірка" pressed: the reader is told through the focused control's
    // description, whose change the toolkit sends to it. With no reader on this
    // platform no event is delivered, so what the reader would read is checked.
    paper->button(2)->click();
    QApplication::processEvents();
    const QString result = paper->label(48)->text();
    ASSERT_TRUE(result.startsWith(QStringLiteral("Помилок ")));
    QWidget* focus = paper->focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_NE(focus, paper->label(48));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Description), result);

    // A new problem is announced by its title, the focus on its first field.
    Screen* set = run.screen(24);
    set->show();
    QApplication::processEvents();
    PressKey(set, Qt::Key_Tab);
    PressKey(set, Qt::Key_Space);  // "Початок"
    QWidget* field = set->focusWidget();
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(IsAnswerInput(field)) << field->objectName().toStdString();
    EXPECT_EQ(field->accessibleDescription(), QStringLiteral("Задача 1"));
}

namespace {
// A pupil on the keyboard alone: types "1" and Enter in an edit box, Space on a
// check box, Down on a list, Space on a button other than "Повернення", Tab past the rest.
void PlayWithKeys(Screen* screen, const std::function<bool()>& done, int steps = 2000) {
    screen->show();
    QApplication::processEvents();
    PressKey(screen, Qt::Key_Tab);
    for (int i = 0; i < steps && !done(); ++i) {
        QWidget* w = screen->focusWidget();
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !e->isReadOnly()) {
            if (e->text().isEmpty()) SendKey(e, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
            PressKey(screen, Qt::Key_Return);
            if (screen->focusWidget() == e) PressKey(screen, Qt::Key_Tab);
        } else if (qobject_cast<QCheckBox*>(w)) {
            PressKey(screen, Qt::Key_Space);
            PressKey(screen, Qt::Key_Tab);
        } else if (qobject_cast<QComboBox*>(w)) {
            PressKey(screen, Qt::Key_Down);
            PressKey(screen, Qt::Key_Tab);
        } else if (qobject_cast<QPushButton*>(w) && w != screen->returnButton()) {
            PressKey(screen, Qt::Key_Space);
            if (screen->focusWidget() == w) PressKey(screen, Qt::Key_Tab);
        } else {
            PressKey(screen, Qt::Key_Tab);
        }
    }
}
}  // namespace

TEST(Keyboard, AScreenOfEachFamilyIsFinishedWithKeysAlone) {
    StartedProgram run;
    ErrorRecorder errors;
    const struct {
        int screen;
        QString log;
    } logged[] = {
        {3, QStringLiteral("stat.txt")},        // test 1
        {20, QStringLiteral("NDD\\stat.txt")},  // lesson "НСД-НСК"
        {24, QStringLiteral("z1\\stat.txt")},   // "Задачі 1"
        {34, QStringLiteral("vch\\stat.txt")},  // "Десяткові дроби"
    };
    for (const auto& l : logged) {
        SCOPED_TRACE(l.screen);
        const int before = int(run.folder.lines(l.log).size());
        PlayWithKeys(run.screen(l.screen), [&] { return int(run.folder.lines(l.log).size()) > before; });
        EXPECT_EQ(int(run.folder.lines(l.log).size()), before + 1);
    }
    // Independent work 1 writes no log: it ends with its closing count.
    Screen* work = run.screen(15);
    PlayWithKeys(work, [&] { return work->edit(1)->text().startsWith(QStringLiteral("Відповідей-")); });
    EXPECT_TRUE(work->edit(1)->text().startsWith(QStringLiteral("Відповідей-"))) << work->edit(1)->text().toStdString();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join(" | ").toStdString();
}

TEST(ScreenReader, ADrawnFractionIsReadOnceAsOneNumber) {
    StartedProgram run;
    Screen* paper = run.screen(6);  // test 4 draws fractions through the paper base
    int fractions = 0;
    for (QWidget* w : paper->controls()) {
        auto* l = dynamic_cast<Label*>(w);
        if (!l || !l->silent()) continue;
        ++fractions;
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(l)->state().invisible);
    }
    EXPECT_GT(fractions, 0);
    bool readAsOne = false;
    for (QWidget* w : paper->controls()) {
        auto* l = dynamic_cast<Label*>(w);
        if (!l || l->accessibleName().isEmpty()) continue;
        const QStringList parts = l->accessibleName().split(u'/');
        readAsOne = readAsOne || (parts.size() == 2 && parts[0] == l->text());
    }
    EXPECT_TRUE(readAsOne);
}
