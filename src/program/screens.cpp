#include "program/screens.h"

#include <functional>

#include "app/error_box.h"
#include "app/main_menu.h"
#include "app/papers_menu.h"
#include "app/programs_menu.h"
#include "app/rational_menu.h"
#include "app/screen.h"
#include "app/screen_lookup.h"
#include "app/works_menu.h"
#include "games/finger.h"
#include "games/fraction.h"
#include "games/maugli.h"
#include "lessons/common_denominator.h"
#include "lessons/fraction_addition.h"
#include "lessons/fraction_arithmetic.h"
#include "lessons/gcd_lcm.h"
#include "lessons/prime_divisors.h"
#include "papers/paper1.h"
#include "papers/paper10.h"
#include "papers/paper12.h"
#include "papers/paper2.h"
#include "papers/paper3.h"
#include "papers/paper4.h"
#include "papers/paper5.h"
#include "papers/paper6.h"
#include "papers/paper7.h"
#include "papers/paper8.h"
#include "papers/paper9.h"
#include "problems/circle.h"
#include "problems/set1.h"
#include "problems/set2.h"
#include "problems/set3.h"
#include "problems/set4.h"
#include "problems/set5.h"
#include "problems/set6.h"
#include "problems/set7.h"
#include "problems/set8.h"
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

Screen* runningScreen(int number) {
    if (!running) return nullptr;
    // A menu reaching for a screen before start-up has made it finishes start-up first.
    if (number > running->count()) running->completeStartUp();
    return running->screen(number);
}
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
    SetScreenLookup(runningScreen);
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
