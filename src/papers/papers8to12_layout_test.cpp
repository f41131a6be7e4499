#include <gtest/gtest.h>

#include "papers/paper10.h"
#include "papers/paper12.h"
#include "papers/paper8.h"
#include "papers/paper9.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
// Marked papers of many draws keep every control on the page, and no two inputs
// or pictures cover each other.
template <class Paper>
void CheckLayout() {
    TempDataFolder folder;
    FakeClock clock;
    for (int seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<Paper>();
        Click(p->button(2));  // every answer label filled in
        const QRect page(QPoint(0, 0), p->pageSize());
        std::vector<QRect> solid;
        for (QWidget* w : p->controls()) {
            if (!Shown(w)) continue;
            const QRect r = p->designRect(w);
            ASSERT_TRUE(page.contains(r)) << w->objectName().toStdString();
            if (!dynamic_cast<Label*>(w)) {
                for (const QRect& other : solid) ASSERT_FALSE(r.intersects(other)) << w->objectName().toStdString();
                solid.push_back(r);
            }
        }
    }
}
}  // namespace

TEST(Papers8To12, StayOnThePageWithoutCoveredInputs) {
    CheckLayout<TForm10>();
    CheckLayout<TForm11>();
    CheckLayout<TForm12>();
    CheckLayout<TForm13>();
}
