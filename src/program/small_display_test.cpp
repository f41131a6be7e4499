// School computers with small displays: 1024×768 and 1366×768, less a title bar.
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "testing/error_recorder.h"
#include "testing/screen_driver.h"

namespace {
const QSize kSmallWindows[] = {QSize(1024, 738), QSize(1366, 738)};

int fontPx(const QWidget* w) { return w->font().pixelSize(); }
}  // namespace

TEST(SmallDisplay, EveryScreenShowsEveryControlWithinReachAndLegible) {
    StartedProgram run;
    ErrorRecorder errors;  // a picture missing from a screen is not this test's business
    for (const QSize window : kSmallWindows) {
        for (int n = 1; n <= run.program->count(); ++n) {
            Screen* screen = run.screen(n);
            screen->show();
            screen->resize(window);
            QApplication::processEvents();
            const auto* scroll = screen->findChild<QScrollArea*>();
            ASSERT_NE(scroll, nullptr);
            const QWidget* page = scroll->widget();
            SCOPED_TRACE(screen->windowTitle().toStdString() + " at " + std::to_string(window.width()));
            // Nothing cut off at the right: the page is never wider than its view.
            EXPECT_LE(page->width(), scroll->viewport()->width());
            // Every line of a tall page can be scrolled into view.
            EXPECT_GE(scroll->viewport()->height() + scroll->verticalScrollBar()->maximum(), page->height());
            const bool scrolls = page->height() > scroll->viewport()->height();
            if (scrolls) {
                EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
            }
            for (QWidget* w : screen->controls()) {
                if (w->isHidden() || w == screen->dumpButton()) continue;
                SCOPED_TRACE(w->objectName().toStdString());
                EXPECT_TRUE(page->rect().contains(w->geometry())) << "outside the page";
            }
            // Shrunk to fit the height only as far as its texts stay legible;
            // below that only the window's width may narrow it.
            if (screen->pageScale() < screen->legibleScale()) {
                const int bar = scroll->verticalScrollBar()->sizeHint().width();
                EXPECT_GE(page->width(), scroll->width() - bar - 2) << "shrunk below the legible size";
            }
            screen->hide();
        }
    }
}

TEST(SmallDisplay, AfterMarkingTheResultIsInViewWhereverTheFocusWent) {
    StartedProgram run;
    Screen* paper = run.screen(3);
    paper->show();
    paper->resize(kSmallWindows[0]);
    QApplication::setActiveWindow(paper);
    QApplication::processEvents();
    // The pupil typed the last answer at the bottom, scrolled up and pressed the button.
    QLineEdit* last = nullptr;
    for (QWidget* w : paper->controls())
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !e->isHidden()) last = e;
    ASSERT_NE(last, nullptr);
    last->setFocus();
    paper->revealControl(paper->button(2));
    Click(paper->button(2));
    QApplication::processEvents();
    const QWidget* result = paper->label(48);
    EXPECT_TRUE(IsYellow(result));
    EXPECT_TRUE(paper->visiblePageRect().contains(result->geometry()))
        << "result at y " << result->geometry().y() << ", view from " << paper->visiblePageRect().y();
}

TEST(SmallDisplay, ATallPageShrinksToFitWhileItsTextsStayLegible) {
    class TallPage : public Screen {
    public:
        TallPage() : Screen("FormTall", QSize(1000, 1000)) {
            addLabel(1, 20, 20, 20);
            addEdit(2, 20, 900, 200, 40, 30);
        }
    };
    TallPage page;
    page.show();
    page.resize(1024, 900);  // 0.9 fits: 20 px texts become 18 px
    EXPECT_DOUBLE_EQ(page.pageScale(), 0.9);
    EXPECT_EQ(fontPx(page.label(1)), 18);
    page.resize(1024, 700);  // 0.7 would make them 14 px: keep the design size and scroll
    EXPECT_DOUBLE_EQ(page.pageScale(), 1.0);
    EXPECT_EQ(fontPx(page.label(1)), 20);
    page.resize(1280, 1024);  // room to spare: fills the window as before
    EXPECT_DOUBLE_EQ(page.pageScale(), 1.024);
}
