#include "testing/screen_driver.h"

#include <QApplication>
#include <QKeyEvent>

void PressEnter(QWidget* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
}

void Choose(QComboBox* combo, int index) {
    if (!combo->isEnabled()) return;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

bool IsRed(const QWidget* w) { return Screen::PaintOf(w) == kWrongRed; }

bool IsYellow(const QWidget* w) { return Screen::PaintOf(w) == kResultYellow; }

ModalRecorder::ModalRecorder() {
    Screen::setModalRunner([this](Screen* s) {
        opened.push_back(s);
        s->show();
    });
}

ModalRecorder::~ModalRecorder() { Screen::setModalRunner(nullptr); }

StartedProgram::StartedProgram(TempDataFolder::Contents contents) : folder(contents), program(StartProgram()) {}
