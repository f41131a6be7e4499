#include "app/screen.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "app/data_folder.h"
#include "app/error_box.h"
#include "app/house_style.h"
#include "app/layout_dump.h"
#include "core/errors.h"

namespace {
const char* kPaint = "m6Paint";

const int kDefaultFontHeight = 13;
// Buttons, boxes and most inputs use this face; the page carries it, so that
// they share one font instead of a copy each.
const int kPageFontHeight = 16;
// No text a pupil reads is shrunk below this many pixels to make a page fit.
const int kLegibleTextPx = 15;

bool TakesTab(const QWidget* w) {
    return !w->isHidden() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

int VerticalOverlap(const QRect& a, const QRect& b) {
    return std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
}

// One piece of a line in reading order: a control, or the boxes of a fraction
// (a numerator box closely over a denominator box, a whole box just before them),
// which are read whole part, numerator, denominator.
struct Piece {
    QRect rect;
    std::vector<std::pair<QWidget*, QRect>> members;
};

bool AlignedOver(const QRect& upper, const QRect& lower) {
    const int overlap = std::min(upper.right(), lower.right()) - std::max(upper.left(), lower.left()) + 1;
    return overlap * 2 >= std::min(upper.width(), lower.width()) && lower.top() >= upper.bottom() - 2;
}

// Rows top to bottom, pieces left to right: a piece joins the line begun by the
// topmost piece not placed yet when at least half of it stands beside that one.
std::vector<QWidget*> ReadingOrder(std::vector<std::pair<QWidget*, QRect>> items) {
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a.second.top() != b.second.top() ? a.second.top() < b.second.top() : a.second.left() < b.second.left();
    });
    std::vector<bool> used(items.size(), false);
    std::vector<Piece> pieces;
    // Only boxes the pupil writes in make up a number; a verdict field stands alone.
    auto isEdit = [&](size_t i) {
        const auto* e = qobject_cast<QLineEdit*>(items[i].first);
        return !used[i] && e && !e->isReadOnly();
    };
    auto take = [&](std::initializer_list<size_t> members) {
        Piece p;
        for (size_t i : members) {
            used[i] = true;
            p.rect = p.members.empty() ? items[i].second : p.rect | items[i].second;
            p.members.push_back(items[i]);
        }
        pieces.push_back(std::move(p));
    };
    // A mixed number: a whole box, and just right of it a numerator box over a
    // denominator box, the whole box's middle between theirs.
    for (size_t w = 0; w < items.size(); ++w) {
        if (!isEdit(w)) continue;
        const QRect& whole = items[w].second;
        auto justRight = [&](const QRect& r) { return r.left() >= whole.right() - 2 && r.left() - whole.right() <= 30; };
        bool found = false;
        for (size_t n = 0; n < items.size() && !found; ++n) {
            if (n == w || !isEdit(n) || !justRight(items[n].second)) continue;
            for (size_t d = 0; d < items.size() && !found; ++d) {
                if (d == w || d == n || !isEdit(d) || !justRight(items[d].second)) continue;
                const QRect& num = items[n].second;
                const QRect& den = items[d].second;
                if (AlignedOver(num, den) && std::abs(num.width() - den.width()) <= 8 && whole.top() >= num.top() &&
                    whole.bottom() <= den.bottom() && den.top() - num.bottom() <= whole.height()) {
                    take({w, n, d});
                    found = true;
                }
            }
        }
    }
    // A fraction: a numerator box closely over a denominator box.
    for (size_t n = 0; n < items.size(); ++n) {
        if (!isEdit(n)) continue;
        for (size_t d = n + 1; d < items.size(); ++d) {
            if (isEdit(d) && AlignedOver(items[n].second, items[d].second) &&
                items[d].second.top() - items[n].second.bottom() <= 14) {
                take({n, d});
                break;
            }
        }
    }
    for (size_t i = 0; i < items.size(); ++i)
        if (!used[i]) take({i});
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top() : a.rect.left() < b.rect.left();
    });
    std::vector<QWidget*> order;
    std::vector<bool> placed(pieces.size(), false);
    for (size_t first = 0; first < pieces.size(); ++first) {
        if (placed[first]) continue;
        const QRect band = pieces[first].rect;
        std::vector<const Piece*> line;
        for (size_t i = first; i < pieces.size(); ++i) {
            if (placed[i]) continue;
            const QRect& r = pieces[i].rect;
            if (i == first || VerticalOverlap(band, r) * 2 >= std::min(band.height(), r.height())) {
                placed[i] = true;
                line.push_back(&pieces[i]);
            }
        }
        std::stable_sort(line.begin(), line.end(), [](const Piece* a, const Piece* b) { return a->rect.left() < b->rect.left(); });
        for (const Piece* p : line)
            for (const auto& m : p->members) order.push_back(m.first);
    }
    return order;
}

Screen::ModalRunner& modalRunner() {
    static Screen::ModalRunner runner;
    return runner;
}

QFont fontFor(int height, bool serif, bool bold, double scale) {
    QFont font = PageFace(std::max(1, static_cast<int>(std::lround((height > 0 ? height : kDefaultFontHeight) * scale))), serif);
    font.setBold(bold);
    return font;
}
}  // namespace

QFont PageFace(int pixelSize, bool serif) {
    QFont font(serif ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

Screen::Screen(const QString& caption, QSize page) : pageSize_(page) {
    setWindowTitle(caption);
    setObjectName(caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    page_ = new QWidget(this);
    page_->setObjectName(QStringLiteral("page"));
    page_->resize(pageSize_);
    page_->setFont(fontFor(kPageFontHeight, true, false, scale_));
    resize(pageSize_);
    // Names follow what is on the page (a new task, a new exercise): an input is
    // renamed as the keyboard reaches it, before the reader asks its name.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this && IsAnswerInput(now)) NameControls();
    });
}

QScrollArea* Screen::scrollArea() {
    // Made when first needed, which for most screens is never or long after start-up.
    if (!scroll_) {
        scroll_ = new QScrollArea(this);
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        scroll_->setWidgetResizable(false);
        scroll_->setWidget(page_);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(scroll_);
        if (isVisible()) scroll_->show();
        // Made before its controls, the scroll area would be the first to take the
        // keyboard: so it still is, unless the screen gave the focus to a control.
        if (!focusWidget()) scroll_->setFocus();
    }
    return scroll_;
}

void Screen::setVisible(bool visible) {
    if (visible) scrollArea();
    QDialog::setVisible(visible);
}

Screen::~Screen() = default;

void Screen::ShowModal() {
    if (modalRunner()) {
        modalRunner()(this);
        return;
    }
    MaximiseOnScreen();
    exec();
}

void Screen::MaximiseOnScreen() {
    // Without a window manager (a kiosk session, a virtual display) maximising is
    // only a wish: take the screen's free area ourselves as well.
    if (const QScreen* display = QGuiApplication::primaryScreen()) setGeometry(display->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Screen::Close() { close(); }

void Screen::setModalRunner(ModalRunner runner) { modalRunner() = std::move(runner); }

// ---- the factory ----

template <class W>
W* Screen::adopt(W* w, const QString& name, QRect rect, int fontHeight, bool serif) {
    w->setObjectName(name);
    controls_.push_back(w);
    designs_.push_back({rect, fontHeight, serif, false});
    applyGeometry(w);
    w->show();
    return w;
}

QPushButton* Screen::addButton(int n, int left, int top, int width, int height, int fontHeight) {
    auto* b = new QPushButton(page_);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setText(QStringLiteral("Button%1").arg(n));
    return adopt(b, QStringLiteral("Button%1").arg(n), QRect(left, top, width, height), fontHeight, true);
}

Label* Screen::addLabel(int n, int left, int top, int fontHeight, int width, int height) {
    auto* l = new Label(page_);
    l->setAutoSize(width == 0);
    l->setTextFormat(Qt::PlainText);
    const QString name = QStringLiteral("Label%1").arg(n);
    adopt(l, name, QRect(left, top, width, height), fontHeight, fontHeight > 0);
    l->setText(name);
    return l;
}

QLineEdit* Screen::addEdit(int n, int left, int top, int width, int height, int fontHeight) {
    auto* e = new QLineEdit(page_);
    return adopt(e, QStringLiteral("Edit%1").arg(n), QRect(left, top, width, height), fontHeight, true);
}

QCheckBox* Screen::addCheckBox(int n, int left, int top, int width, int height, int fontHeight) {
    auto* c = new QCheckBox(page_);
    return adopt(c, QStringLiteral("CheckBox%1").arg(n), QRect(left, top, width, height), fontHeight, true);
}

QComboBox* Screen::addComboBox(int n, int left, int top, int width, int height, const QStringList& items,
                               int fontHeight) {
    auto* c = new ComboBox(page_);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return adopt(c, QStringLiteral("ComboBox%1").arg(n), QRect(left, top, width, height), fontHeight, true);
}

Picture* Screen::addImage(int n, int left, int top, int width, int height, Picture::Fit fit) {
    auto* p = new Picture(page_);
    p->setFit(fit);
    return adopt(p, QStringLiteral("Image%1").arg(n), QRect(left, top, width, height), 0, false);
}

QTableWidget* Screen::addGrid(int n, int left, int top, int width, int height, int columns, int rows,
                              int fontHeight) {
    auto* g = new QTableWidget(rows, columns, page_);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid instead of walking its cells: the pupil only reads it.
    g->setTabKeyNavigation(false);
    return adopt(g, QStringLiteral("StringGrid%1").arg(n), QRect(left, top, width, height), fontHeight, false);
}

QTimer* Screen::addTimer(int n, int intervalMs) {
    auto* t = new QTimer(this);
    t->setObjectName(QStringLiteral("Timer%1").arg(n));
    t->setInterval(intervalMs);
    t->start();
    return t;
}

// ---- lookup ----

QPushButton* Screen::button(int n) const { return control<QPushButton>(QStringLiteral("Button%1").arg(n)); }
Label* Screen::label(int n) const { return control<Label>(QStringLiteral("Label%1").arg(n)); }
QLineEdit* Screen::edit(int n) const { return control<QLineEdit>(QStringLiteral("Edit%1").arg(n)); }
QCheckBox* Screen::checkBox(int n) const { return control<QCheckBox>(QStringLiteral("CheckBox%1").arg(n)); }
QComboBox* Screen::comboBox(int n) const { return control<QComboBox>(QStringLiteral("ComboBox%1").arg(n)); }
Picture* Screen::image(int n) const { return control<Picture>(QStringLiteral("Image%1").arg(n)); }
QTableWidget* Screen::grid(int n) const { return control<QTableWidget>(QStringLiteral("StringGrid%1").arg(n)); }
QTimer* Screen::timer(int n) const {
    return findChild<QTimer*>(QStringLiteral("Timer%1").arg(n), Qt::FindDirectChildrenOnly);
}

// ---- geometry and scale ----

Screen::Design& Screen::designOf(const QWidget* w) {
    return const_cast<Design&>(std::as_const(*this).designOf(w));
}

const Screen::Design& Screen::designOf(const QWidget* w) const {
    const auto at = std::find(controls_.begin(), controls_.end(), w);
    if (at == controls_.end()) {
        throw std::logic_error("a control not made by this screen: " + w->objectName().toStdString());
    }
    return designs_[size_t(at - controls_.begin())];
}

QRect Screen::designRect(const QWidget* w) const {
    const auto at = std::find(controls_.begin(), controls_.end(), w);
    if (at == controls_.end()) designOf(w);  // throws
    return designRectAt(size_t(at - controls_.begin()));
}

QRect Screen::designRectAt(size_t i) const {
    const QWidget* w = controls_[i];
    QRect r = designs_[i].rect;
    if (auto* l = dynamic_cast<const Label*>(w); l && (r.width() == 0 || r.height() == 0)) {
        // An auto-sized label measures its text at the design scale.
        const QSize size = w->size() / scale_;
        if (r.width() == 0) r.setWidth(size.width());
        if (r.height() == 0) r.setHeight(size.height());
    }
    return r;
}

void Screen::place(QWidget* w, int left, int top) {
    designOf(w).rect.moveTo(left, top);
    applyGeometry(w);
}

void Screen::setBounds(QWidget* w, int left, int top, int width, int height) {
    designOf(w).rect = QRect(left, top, width, height);
    if (auto* l = dynamic_cast<Label*>(w)) l->setAutoSize(width == 0);
    applyGeometry(w);
}

void Screen::setFontHeight(QWidget* w, int height, bool bold) {
    Design& design = designOf(w);
    design.fontHeight = height;
    design.bold = bold;
    if (height > 0) design.serif = true;
    applyGeometry(w);
}

void Screen::setPageSize(QSize page) {
    pageSize_ = page;
    rescale();
}

void Screen::applyGeometry(QWidget* w) { applyGeometry(w, designOf(w)); }

void Screen::applyGeometry(QWidget* w, const Design& design) {
    const QRect& r = design.rect;
    auto* picture = dynamic_cast<Picture*>(w);
    // A control in the page's face inherits it rather than keeping a copy (a
    // combo box would also build its drop-down list at every font change); a
    // picture has no text to need one.
    if (!picture) {
        const QFont font = fontFor(design.fontHeight, design.serif, design.bold, scale_);
        if (w->testAttribute(Qt::WA_SetFont) || font != page_->font()) w->setFont(font);
    }
    const QPoint topLeft(static_cast<int>(std::lround(r.left() * scale_)), static_cast<int>(std::lround(r.top() * scale_)));
    const QSize size(static_cast<int>(std::lround(r.width() * scale_)), static_cast<int>(std::lround(r.height() * scale_)));
    if (auto* l = dynamic_cast<Label*>(w)) {
        l->move(topLeft);
        if (!l->autoSize()) l->resize(size);
        l->fitText();
        return;
    }
    if (picture) picture->setScale(scale_);
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        // The square keeps its pixel size unless told: it grows with the page,
        // so that a pupil can still hit it on a large screen.
        const int side = std::max(13, static_cast<int>(std::lround(std::min(r.width(), r.height()) * 0.8 * scale_)));
        SetIndicatorSide(box, side);
    }
    w->setGeometry(QRect(topLeft, size));
}

double Screen::legibleScale() const {
    // The smallest text the pupil may have to read decides how far the page may
    // shrink; the design size itself is always allowed.
    int smallest = 0;
    for (size_t i = 0; i < controls_.size(); ++i) {
        const QWidget* w = controls_[i];
        if (w == dumpButton_ || w->isHidden() || dynamic_cast<const Picture*>(w)) continue;
        const int height = designs_[i].fontHeight;
        const int px = height > 0 ? height : kDefaultFontHeight;
        if (smallest == 0 || px < smallest) smallest = px;
    }
    return smallest > 0 ? std::min(1.0, double(kLegibleTextPx) / smallest) : 0.2;
}

void Screen::rescale() {
    // Fill the window. A page taller than the window shrinks to fit while its
    // texts stay legible; past that it keeps the legible size (as wide as the
    // window allows, never wider than its design) and scrolls.
    const QSize view = size();
    const double byWidth = double(view.width()) / pageSize_.width();
    const double byHeight = double(view.height()) / pageSize_.height();
    double scale = std::min(byWidth, byHeight);
    const double floor = legibleScale();
    if (scale < floor && byWidth > scale) {
        // Only a page that scrolls shows its bar: a style sheet for it costs its
        // own style and parse, so it is given when first needed.
        QScrollBar* bar = scrollArea()->verticalScrollBar();
        if (bar->styleSheet().isEmpty()) {
            // A page below the fold must be plain to see: a wide bar with a coloured handle.
            bar->setStyleSheet(QStringLiteral(
                "QScrollBar:vertical { width: 22px; background: rgb(228, 222, 206); }"
                "QScrollBar::handle:vertical { background: rgb(70, 120, 200); min-height: 40px; border-radius: 6px; margin: 2px; }"
                "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"));
        }
        const int barWidth = bar->sizeHint().width();
        scale = std::min(1.0, double(view.width() - barWidth) / pageSize_.width());
    }
    scale_ = std::max(0.2, scale);
    page_->resize(static_cast<int>(pageSize_.width() * scale_), static_cast<int>(pageSize_.height() * scale_));
    page_->setFont(fontFor(kPageFontHeight, true, false, scale_));
    for (size_t i = 0; i < controls_.size(); ++i) applyGeometry(controls_[i], designs_[i]);
}

QRect Screen::visiblePageRect() const {
    if (!scroll_) return QRect(QPoint(0, 0), page_->size());
    const QWidget* viewport = scroll_->viewport();
    return QRect(page_->mapFrom(viewport, QPoint(0, 0)), viewport->size()).intersected(page_->rect());
}

void Screen::revealControl(QWidget* w) {
    // Scroll to the control's own rectangle with a margin, whatever else moved the view.
    scrollArea()->ensureWidgetVisible(w, 8, 8);
}

void Screen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    rescale();
}

void Screen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    rescale();
    NameControls();
}

void Screen::keyPressEvent(QKeyEvent* event) {
    // Escape would close the screen (and the main menu the whole program) behind
    // the pupil's back; Enter would press whatever button Qt calls default.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (event->key() == Qt::Key_Escape || event->isAutoRepeat()) return;
        QWidget* focus = focusWidget();
        // A focused button is pressed by Enter as by Space. Enter in an edit box
        // the screen gave no key meaning to goes on to the next input, as Tab does.
        if (auto* b = qobject_cast<QPushButton*>(focus); b && b->isEnabled() && !b->isHidden()) {
            b->click();
        } else if (auto* e = qobject_cast<QLineEdit*>(focus)) {
            const bool ownKeys = std::any_of(keyHandlers_.begin(), keyHandlers_.end(),
                                             [e](const KeyHandler& h) { return h.edit == e; });
            if (!ownKeys) focusNextPrevChild(true);
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        bool handled = false;
        for (const KeyHandler& h : keyHandlers_) {
            if (h.edit == watched) {
                h.call(key);
                handled = true;
            }
        }
        // Enter in a box with a key meaning of its own is that meaning alone: going
        // on to the screen, it would also press the button the handler has just
        // focused ("Перевірка" and "Наступний приклад" at one stroke).
        if (handled && (key == Qt::Key_Return || key == Qt::Key_Enter)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- the keyboard and the screen reader ----

bool IsAnswerInput(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w);
}

void Screen::setJudgingButton(QAbstractButton* button) {
    if (std::find(judging_.begin(), judging_.end(), button) == judging_.end()) judging_.push_back(button);
}

QAbstractButton* Screen::returnButton() const { return return_ ? return_ : button(1); }

std::vector<QWidget*> Screen::focusChain() const {
    std::vector<std::pair<QWidget*, QRect>> reading;
    std::vector<std::pair<QWidget*, QRect>> judging;
    QWidget* back = nullptr;
    const QWidget* returning = returnButton();
    for (size_t i = 0; i < controls_.size(); ++i) {
        QWidget* w = controls_[i];
        if (w == dumpButton_ || !TakesTab(w)) continue;
        // An auto-sized label has no design size, but no label takes the keyboard.
        const QRect rect = designs_[i].rect;
        if (w == returning) back = w;
        else if (std::find(judging_.begin(), judging_.end(), w) != judging_.end()) judging.push_back({w, rect});
        else reading.push_back({w, rect});
    }
    std::vector<QWidget*> chain = ReadingOrder(std::move(reading));
    for (QWidget* w : ReadingOrder(std::move(judging))) chain.push_back(w);
    if (back) chain.push_back(back);
    return chain;
}

bool Screen::focusNextPrevChild(bool next) {
    const std::vector<QWidget*> chain = focusChain();
    if (chain.empty()) return QDialog::focusNextPrevChild(next);
    // A popup list or the scroll area may hold the focus: the first Tab then
    // goes to the first control, the first Shift+Tab to the return button.
    QWidget* current = focusWidget();
    if (current && (current->isHidden() || !current->isEnabled())) {
        // The focused control went away (a button that hides itself): the handler
        // doing it is about to show what comes next, the next problem's fields or
        // "Продовження". Left on "Повернення", a stray Space would leave the work.
        QTimer::singleShot(0, this, [this] {
            QWidget* now = focusWidget();
            if (now && now != returnButton() && TakesTab(now)) return;
            const std::vector<QWidget*> after = focusChain();
            if (!after.empty()) after.front()->setFocus(Qt::OtherFocusReason);
        });
    }
    const auto at = std::find(chain.begin(), chain.end(), current);
    QWidget* target;
    if (at == chain.end()) target = next ? chain.front() : chain.back();
    else if (next) target = at + 1 == chain.end() ? chain.front() : *(at + 1);
    else target = at == chain.begin() ? chain.back() : *(at - 1);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (scroll_) revealControl(target);
    return true;
}

Label* Screen::labelBeside(const QWidget* w) const {
    const QRect box = designOf(w).rect;
    Label* left = nullptr;
    int leftDistance = 0;
    Label* above = nullptr;
    int aboveDistance = 0;
    for (size_t i = 0; i < controls_.size(); ++i) {
        auto* l = dynamic_cast<Label*>(controls_[i]);
        if (!l || l->isHidden() || l->text().trimmed().isEmpty()) continue;
        const QRect r = designRectAt(i);
        if (VerticalOverlap(r, box) * 2 >= std::min(r.height(), box.height()) && r.left() < box.left()) {
            const int d = std::max(0, box.left() - r.right());
            if (!left || d < leftDistance) left = l, leftDistance = d;
        } else if (r.bottom() <= box.top() + 4 && box.top() - r.bottom() <= 60 &&
                   std::min(r.right(), box.right()) > std::max(r.left(), box.left())) {
            const int d = box.top() - r.bottom();
            if (!above || d < aboveDistance) above = l, aboveDistance = d;
        }
    }
    return left ? left : above;
}

QString Screen::SpokenName(QWidget* control) const {
    if (!IsAnswerInput(control)) return QString();
    const Label* beside = labelBeside(control);
    return beside ? beside->text().simplified() : QString();
}

void Screen::NameControls() {
    std::vector<std::pair<QWidget*, QString>> named;
    for (QWidget* w : controls_) {
        if (w == dumpButton_ || w->isHidden()) continue;
        const bool input = IsAnswerInput(w);
        if (!input && !dynamic_cast<Picture*>(w)) continue;
        QString name = SpokenName(w);
        // A picture keeps the name it was given when loaded (a mark, a stage).
        if (name.isEmpty()) name = input ? QStringLiteral("Відповідь") : w->accessibleName();
        named.push_back({w, name});
    }
    // Two inputs named alike would be one to the pupil: the later ones are counted.
    for (size_t i = 0; i < named.size(); ++i) {
        if (named[i].second.isEmpty()) continue;
        int same = 1;
        for (size_t j = i + 1; j < named.size(); ++j) {
            if (named[j].second != named[i].second) continue;
            named[j].second += QStringLiteral(", ") + QString::number(++same);
        }
    }
    for (auto& [w, name] : named)
        if (w->accessibleName() != name) w->setAccessibleName(name);
}

void Screen::Announce(const QString& text, const QObject* source) {
    if (text.isEmpty()) return;
    if (announcements_.empty()) {
        QTimer::singleShot(0, this, [this] {
            QStringList texts;
            for (const auto& a : announcements_) texts << a.second;
            announcements_.clear();
            // Readers say a change of the focused control's description at once,
            // without the pupil's place moving; the next announcement replaces it.
            QWidget* focus = focusWidget();
            if (!focus) focus = this;
            focus->setAccessibleDescription(texts.join(QStringLiteral(". ")));
            QAccessibleEvent changed(focus, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
            QAccessibleEvent alert(focus, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        });
    }
    for (auto& a : announcements_) {
        if (source && a.first == source) {
            a.second = text;
            return;
        }
    }
    announcements_.push_back({source, text});
}

void Screen::markAnnounced(QWidget* w) {
    if (auto* l = dynamic_cast<Label*>(w)) {
        l->setAnnounced(true);
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->property("m6Announced").toBool()) return;
        e->setProperty("m6Announced", true);
        connect(e, &QLineEdit::textChanged, this, [this, e](const QString& text) { Announce(text, e); });
    }
}

// ---- colours and pictures ----

void Screen::Paint(QWidget* w, const QColor& colour) {
    QPalette palette = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Window, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::black);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
    w->setProperty(kPaint, colour);
    if (colour == kResultYellow) {
        if (auto* l = dynamic_cast<Label*>(w); l && !l->announced()) {
            l->setAnnounced(true);
            if (auto* screen = dynamic_cast<Screen*>(l->window())) screen->Announce(l->text(), l);
        }
    }
}

void Screen::Unpaint(QWidget* w) {
    w->setPalette(QPalette());
    w->setAutoFillBackground(false);
    w->setProperty(kPaint, QVariant());
}

QColor Screen::PaintOf(const QWidget* w) {
    const QVariant v = w->property(kPaint);
    return v.isValid() ? v.value<QColor>() : QColor();
}

void Screen::LoadPicture(Picture* image, const QString& systemName) {
    const QString full = ContentPath(systemName);
    const QFileInfo info(full);
    if (!info.isFile()) {
        throw ToolkitError(QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(QDir::toNativeSeparators(full)));
    }
    // The header tells a bitmap from anything else; the pixels wait for the first paint.
    if (!IsReadableBitmap(full)) {
        throw ToolkitError(QStringLiteral("Cannot open file \"%1\". Bitmap image is not valid").arg(QDir::toNativeSeparators(full)));
    }
    image->setImageFile(full, systemName);
}

void Screen::LoadPictureOrReport(Picture* image, const QString& systemName) {
    RunGuarded([&] { LoadPicture(image, systemName); });
}

// ---- layout dump ----

void Screen::setDumpButton(QPushButton* button) {
    dumpButton_ = button;
    button->hide();
    connect(button, &QPushButton::clicked, this, [this] { RunGuarded([this] { DumpLayout(*this); }); });
    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+D")), this);
    connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}

// ---- the placeholder ----

PlaceholderScreen::PlaceholderScreen(const QString& caption) : Screen(caption) {
    addButton(1, 40, 640, 200, 50, 24);
    onClick(button(1), &PlaceholderScreen::Button1Click);
}

void PlaceholderScreen::FormCreate() { button(1)->setText(QStringLiteral("Повернення")); }

void PlaceholderScreen::Button1Click() { Close(); }
