#pragma once
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <memory>
#include <vector>

#include "app/error_box.h"
#include "app/screen.h"
#include "program/screens.h"
#include "testing/temp_data_folder.h"

// Makes one screen the way start-up does: constructor, then FormCreate under the guard.
template <class T>
std::unique_ptr<T> CreateScreen() {
    auto screen = std::make_unique<T>();
    RunGuarded([&] { screen->FormCreate(); });
    return screen;
}

// A pupil's hands.
inline void Type(QLineEdit* edit, const QString& text) { edit->setText(text); }
inline void Click(QAbstractButton* button) { button->click(); }
// The Enter key pressed in a box.
void PressEnter(QWidget* box);
// Picks an entry as the pupil would from the drop-down list.
void Choose(QComboBox* combo, int index);
bool IsRed(const QWidget* w);
bool IsYellow(const QWidget* w);
// Visible in the designer's sense: not hidden itself.
inline bool Shown(const QWidget* w) { return !w->isHidden(); }

// Opens screens without blocking while it lives, and remembers which.
class ModalRecorder {
public:
    ModalRecorder();
    ~ModalRecorder();
    std::vector<Screen*> opened;
};

// The whole program started in a temporary data folder.
class StartedProgram {
public:
    explicit StartedProgram(TempDataFolder::Contents contents = TempDataFolder::WithData);
    Screen* screen(int number) const { return program->screen(number); }
    Screen* byTitle(const QString& title) const { return program->byTitle(title); }

    TempDataFolder folder;
    ModalRecorder modal;
    std::unique_ptr<Program> program;
};
