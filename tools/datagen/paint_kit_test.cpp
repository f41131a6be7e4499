#include "datagen/paint_kit.h"

#include <gtest/gtest.h>
#include <set>

namespace {
// How many pixels of the stage differ from the whole picture.
int Covered(const QImage& stage, const QImage& whole) {
    int n = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) n += stage.pixel(x, y) != whole.pixel(x, y);
    return n;
}
}  // namespace

TEST(RevealStage, EveryTileComesOnceInAScatteredOrder) {
    for (int tiles : {5, 10}) {
        std::set<int> seen;
        for (int k = 0; k < tiles; ++k) seen.insert(paint::RevealOrder(k, tiles));
        EXPECT_EQ(int(seen.size()), tiles);
        EXPECT_EQ(*seen.begin(), 0);
        EXPECT_EQ(*seen.rbegin(), tiles - 1);
        // Neighbours in time are not neighbours on the picture.
        EXPECT_NE(paint::RevealOrder(1, tiles) - paint::RevealOrder(0, tiles), 1);
    }
}

TEST(RevealStage, EachStageShowsWhatTheLastDidAndOneTileMore) {
    QImage whole(100, 60, QImage::Format_RGB32);
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) whole.setPixel(x, y, qRgb(x * 2, y * 4, 200));
    int lastCovered = whole.width() * whole.height() + 1;
    QImage last;
    for (int shown = 0; shown <= 10; ++shown) {
        const QImage stage = paint::RevealStage(whole, shown, 10);
        ASSERT_EQ(stage.size(), whole.size());
        const int covered = Covered(stage, whole);
        EXPECT_LT(covered, lastCovered) << shown;
        if (!last.isNull()) {
            // Nothing uncovered before is covered again.
            for (int y = 0; y < whole.height(); ++y)
                for (int x = 0; x < whole.width(); ++x) {
                    if (last.pixel(x, y) == whole.pixel(x, y)) {
                        ASSERT_EQ(stage.pixel(x, y), whole.pixel(x, y));
                    }
                }
        }
        lastCovered = covered;
        last = stage;
    }
    EXPECT_EQ(lastCovered, 0);
    EXPECT_GT(Covered(paint::RevealStage(whole, 0, 10), whole), whole.width() * whole.height() * 9 / 10);
}
