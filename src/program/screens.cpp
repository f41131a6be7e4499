#include "app/screens.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <functional>

#include "app/error_box.h"
#include "app/house_style.h"
#include "app/main_menu.h"
#include "app/programs_menu.h"
#include "app/rational_menu.h"
#include "app/screen.h"
#include "app/tests_menu.h"
#include "app/works_menu.h"
#include "games/finger.h"
#include "games/fraction.h"
#include "games/maugli.h"
#include "lessons/common_denominator.h"
#include "lessons/fraction_addition.h"
#include "lessons/fraction_arithmetic.h"
#include "lessons/gcd_lcm.h"
#include "lessons/prime_divisors.h"
#include "problems/circle.h"
#include "problems/set1.h"
#include "problems/set2.h"
#include "problems/set3.h"
#include "problems/set4.h"
#include "problems/set5.h"
#include "problems/set6.h"
#include "problems/set7.h"
#include "problems/set8.h"
#include "tests/test1.h"
#include "tests/test10.h"
#include "tests/test12.h"
#include "tests/test2.h"
#include "tests/test3.h"
#include "tests/test4.h"
#include "tests/test5.h"
#include "tests/test6.h"
#include "tests/test7.h"
#include "tests/test8.h"
#include "tests/test9.h"
#include "works/work1.h"
#include "works/work2.h"
#include "works/work3.h"

namespace {
using Factory = std::function<std::unique_ptr<Screen>()>;

template <class T>
Factory make() {
    return [] { return std::make_unique<T>(); };
}

// The screens in creation order: row i makes TForm(i + 1).
const std::vector<Factory>& creationOrder() {
    static const std::vector<Factory> rows = {
        make<TForm1>(),  make<TForm2>(),  make<TForm3>(),  make<TForm4>(),  make<TForm5>(),  make<TForm6>(),
        make<TForm7>(),  make<TForm8>(),  make<TForm9>(),  make<TForm10>(), make<TForm11>(), make<TForm12>(),
        make<TForm13>(), make<TForm14>(), make<TForm15>(), make<TForm16>(), make<TForm17>(), make<TForm18>(),
        make<TForm19>(), make<TForm20>(), make<TForm21>(), make<TForm22>(), make<TForm23>(), make<TForm24>(),
        make<TForm25>(), make<TForm26>(), make<TForm27>(), make<TForm28>(), make<TForm29>(), make<TForm30>(),
        make<TForm31>(), make<TForm32>(), make<TForm33>(), make<TForm34>(), make<TForm35>(), make<TForm36>(),
    };
    return rows;
}

Program* running = nullptr;
}  // namespace

Program::~Program() {
    if (running == this) running = nullptr;
    // The later screens go first, the main window last.
    while (!screens_.empty()) screens_.pop_back();
}

Screen* Program::screen(int number) const {
    if (number < 1 || number > count()) return nullptr;
    return screens_[number - 1].get();
}

Screen* Program::byTitle(const QString& title) const {
    for (const auto& s : screens_) {
        if (s->windowTitle() == title) return s.get();
    }
    return nullptr;
}

void Program::completeStartUp() {
    // Each screen is made and its FormCreate run before the next: the start-up
    // draws of the papers come in the same order whichever way start-up runs.
    const auto& rows = creationOrder();
    while (screens_.size() < rows.size()) {
        screens_.push_back(rows[screens_.size()]());
        Screen* screen = screens_.back().get();
        RunGuarded([screen] { screen->FormCreate(); });
    }
}

std::unique_ptr<Program> StartMainMenu() {
    auto program = std::unique_ptr<Program>(new Program);
    running = program.get();
    program->screens_.push_back(creationOrder().front()());
    Screen* menu = program->screens_.back().get();
    RunGuarded([menu] { menu->FormCreate(); });
    return program;
}

std::unique_ptr<Program> StartProgram() {
    auto program = StartMainMenu();
    program->completeStartUp();
    return program;
}

Screen* ScreenNumber(int number) {
    if (!running) return nullptr;
    // A menu reaching for a screen before start-up has made it finishes start-up first.
    if (number > running->count()) running->completeStartUp();
    return running->screen(number);
}

void ApplyHouseStyle() {
    QApplication::setStyle(NewHouseStyle());
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(250, 246, 236));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, QColor(236, 242, 252));
    palette.setColor(QPalette::Highlight, QColor(70, 120, 200));
    // A marked paper keeps its inputs disabled: what the pupil typed must stay readable.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(40, 40, 40));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(40, 40, 40));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 110, 110));
    // A disabled box is told apart by its ground, not by fading what is in it.
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(238, 236, 228));
    QApplication::setPalette(palette);
}
