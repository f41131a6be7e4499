#pragma once
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/controls.h"
#include "app/error_box.h"

class QScrollArea;

inline const QColor kWrongRed(255, 0, 0);
inline const QColor kResultYellow(255, 255, 0);

// The page's face at a size in pixels: "Times New Roman" (serif) or "Arial".
// Hinted vertically only, so that glyph advances keep their design widths on
// every system (fontconfig gives those on Linux; Windows would round each to a
// whole pixel) and a line set on the page is as long everywhere. A text the page
// measures, to place something beside it, is measured in this face.
QFont PageFace(int pixelSize, bool serif = true);

// The base of all thirty-six screens: a maximised modal window holding one page
// of absolutely placed controls in design coordinates. The page is scaled to
// fill the window (positions and fonts together) and scrolls when taller than
// the screen. Controls are made by the factory below, each named by kind and
// number ("Edit15") so that tests, the layout dump and automation can find it;
// handlers are connected through the one error guard.
class Screen : public QDialog {
public:
    // caption: the design title ("Form3"); page: the design size of the page.
    explicit Screen(const QString& caption, QSize page = QSize(1010, 720));
    ~Screen() override;

    // Runs once at start-up under the guard, after the constructor built the controls.
    virtual void FormCreate() {}

    // Shows the screen maximised and waits until it is closed.
    void ShowModal();
    void Close();
    void setVisible(bool visible) override;
    // Fills the screen's free area (the main window at start-up, every modal screen).
    void MaximiseOnScreen();

    // Controls by name or by kind and number; nullptr when there is none.
    template <class T>
    T* control(const QString& name) const {
        return page_->findChild<T*>(name, Qt::FindDirectChildrenOnly);
    }
    QPushButton* button(int n) const;
    Label* label(int n) const;
    QLineEdit* edit(int n) const;
    QCheckBox* checkBox(int n) const;
    QComboBox* comboBox(int n) const;
    Picture* image(int n) const;
    QTableWidget* grid(int n) const;
    QTimer* timer(int n) const;
    // Every control made by the factory, in order of making.
    const std::vector<QWidget*>& controls() const { return controls_; }

    // Design geometry: what the controls' Left, Top, Width and Height are.
    QRect designRect(const QWidget* w) const;
    void place(QWidget* w, int left, int top);
    void setBounds(QWidget* w, int left, int top, int width, int height);
    void setFontHeight(QWidget* w, int height, bool bold = false);
    QSize pageSize() const { return pageSize_; }
    void setPageSize(QSize page);
    double pageScale() const { return scale_; }
    // The smallest scale at which every shown text stays legible (at most 1).
    double legibleScale() const;
    // Scrolls a tall page so that the control is in view.
    void revealControl(QWidget* w);

    // The controls Tab visits now (shown and enabled), in the order it visits
    // them: reading order (lines top to bottom, left to right along a line, a
    // fraction's boxes top to bottom), then the buttons that judge the work,
    // then the return button. The order follows the design positions at the
    // moment of the key press, so controls that move or appear need no care.
    std::vector<QWidget*> focusChain() const;
    // A button that judges the work ("Перевірка"): Tab reaches it only after
    // every input, so a stray Space cannot mark an unfinished paper.
    void setJudgingButton(QAbstractButton* button);
    // The button Tab reaches last: Button1 ("Повернення") unless the screen says otherwise.
    void setReturnButton(QAbstractButton* button) { return_ = button; }
    QAbstractButton* returnButton() const;
    // Gives every input and every meaningful picture the name a screen reader
    // says (SpokenName), unique on the screen. Runs when the screen is shown;
    // a screen calls it again when it shows a new problem.
    void NameControls();
    // Tells a screen reader about a text that has just appeared (a verdict, a
    // new problem) without moving the keyboard focus. Texts announced during one
    // handler are said together once it is done.
    // A later text from the same source replaces the one not yet said.
    void Announce(const QString& text, const QObject* source = nullptr);
    // Every new text of this label or edit box is announced (a verdict, a
    // result, a new problem's title). A result label painted yellow is so anyway.
    void markAnnounced(QWidget* w);
    // The part of the page in view, in page pixels.
    QRect visiblePageRect() const;

    // Background colours through the palette: kWrongRed for a wrong input,
    // kResultYellow for a result label. Disabled inputs keep dark text.
    static void Paint(QWidget* w, const QColor& colour);
    static void Unpaint(QWidget* w);
    // The colour painted on w, invalid when none.
    static QColor PaintOf(const QWidget* w);

    // Loads a bitmap of the data folder by its name ("Deli\01(9).bmp"); a missing
    // or broken file raises "Cannot open file "<full name>". <reason>".
    static void LoadPicture(Picture* image, const QString& systemName);
    // The same, but a picture that cannot be loaded goes to the error box and
    // the handler goes on: marking must not stop half way for a picture.
    static void LoadPictureOrReport(Picture* image, const QString& systemName);

    // How ShowModal runs a screen; tests swap it to open screens without blocking.
    using ModalRunner = std::function<void(Screen*)>;
    static void setModalRunner(ModalRunner runner);

    // The hidden layout-dump button: hidden here, writes "zzkf.txt" when clicked;
    // a developer reaches it with Ctrl+Shift+D.
    void setDumpButton(QPushButton* button);
    QPushButton* dumpButton() const { return dumpButton_; }

protected:
    // Font heights are in page pixels: 0 means the small default face.
    QPushButton* addButton(int n, int left, int top, int width, int height, int fontHeight = 16);
    // width 0: the label sizes itself to its text.
    Label* addLabel(int n, int left, int top, int fontHeight = 0, int width = 0, int height = 0);
    QLineEdit* addEdit(int n, int left, int top, int width, int height, int fontHeight = 16);
    QCheckBox* addCheckBox(int n, int left, int top, int width = 20, int height = 20, int fontHeight = 16);
    QComboBox* addComboBox(int n, int left, int top, int width, int height, const QStringList& items,
                           int fontHeight = 16);
    Picture* addImage(int n, int left, int top, int width, int height, Picture::Fit fit = Picture::Fit::Natural);
    QTableWidget* addGrid(int n, int left, int top, int width, int height, int columns, int rows, int fontHeight = 13);
    // A timer of the screen: enabled from creation, ticking while the screen is hidden.
    QTimer* addTimer(int n, int intervalMs);

    template <class S>
    void onClick(QAbstractButton* b, void (S::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] { guarded<S>(handler); });
    }
    // A failing tick is reported once, not every tick.
    template <class S>
    void onTimer(QTimer* t, void (S::*handler)()) {
        auto lastMessage = std::make_shared<QString>();
        connect(t, &QTimer::timeout, this, [this, handler, lastMessage] {
            RunGuardedRepeating([&] { (static_cast<S*>(this)->*handler)(); }, *lastMessage);
        });
    }
    template <class S>
    void onChange(QComboBox* c, void (S::*handler)()) {
        connect(c, &QComboBox::activated, this, [this, handler] { guarded<S>(handler); });
    }
    // The handler gets the Qt key code; the key still reaches the edit box.
    template <class S>
    void onKeyDown(QLineEdit* e, void (S::*handler)(int key)) {
        keyHandlers_.push_back({e, [this, handler](int key) {
                                    RunGuarded([&] { (static_cast<S*>(this)->*handler)(key); });
                                }});
        e->installEventFilter(this);
    }

    // What a screen reader says for an input or a picture; empty leaves the
    // control unnamed (a picture then counts as decoration). By default an input
    // is named by the text beside it: the nearest label to its left on its
    // line, else the one just above it.
    virtual QString SpokenName(QWidget* control) const;
    // The nearest label with text to the left of w on its line, or just above it.
    Label* labelBeside(const QWidget* w) const;

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class S>
    void guarded(void (S::*handler)()) {
        RunGuarded([&] { (static_cast<S*>(this)->*handler)(); });
    }
    template <class W>
    W* adopt(W* w, const QString& name, QRect rect, int fontHeight, bool serif);
    // What the design gave a control: its rectangle and its face.
    struct Design {
        QRect rect;
        int fontHeight = 0;
        bool serif = false;
        bool bold = false;
    };
    Design& designOf(const QWidget* w);
    const Design& designOf(const QWidget* w) const;
    QRect designRectAt(size_t i) const;
    void applyGeometry(QWidget* w);
    void applyGeometry(QWidget* w, const Design& design);
    void rescale();
    QScrollArea* scrollArea();

    QSize pageSize_;
    double scale_ = 1.0;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    std::vector<QWidget*> controls_;
    std::vector<Design> designs_;  // one per control, in the same order
    QPushButton* dumpButton_ = nullptr;
    struct KeyHandler {
        QObject* edit;
        std::function<void(int)> call;
    };
    std::vector<KeyHandler> keyHandlers_;
    std::vector<QAbstractButton*> judging_;
    QAbstractButton* return_ = nullptr;
    std::vector<std::pair<const QObject*, QString>> announcements_;
};

// Whether the control is one the pupil answers with: an edit box, a check box, a list or a grid.
bool IsAnswerInput(const QWidget* w);

// A screen whose work is still to come: its title and a working "Повернення".
class PlaceholderScreen : public Screen {
public:
    explicit PlaceholderScreen(const QString& caption);
    void FormCreate() override;
    void Button1Click();
};
