#include <QFile>
#include <gtest/gtest.h>

#include "datagen/papers_8to12.h"
#include "papers/paper_oracle.h"

using namespace oracle;

namespace {
// Test 9's rows: the two simplified forms, the letters' values and the value.
const struct {
    const char* forms[2];
    const char* letters[2];
    const char* value;
} kRows[12] = {
    {{"1,2m-17n", "-17n+1,2m"}, {"m=10", "n=0,1"}, "10,3"},
    {{"-0,6p-15m", "-15m-0,6p"}, {"p=10", "m=-0,1"}, "-4,5"},
    {{"2,8m-13n", "-13n+2,8m"}, {"m=10", "n=0,1"}, "26,7"},
    {{"-4,2m-9,5n", "-9,5n-4,2m"}, {"m=-10", "n=0,1"}, "41,05"},
    {{"-3,2m-8n", "-8n-3,2m"}, {"m=-10", "n=0,1"}, "31,2"},
    {{"-2,8m-6n", "-6n-2,8m"}, {"m=-10", "n=0,1"}, "27,4"},
    {{"1,2m-13n", "-13n+1,2m"}, {"m=10", "n=0,1"}, "10,7"},
    {{"-1,8p-9,5m", "-9,5m-1,8p"}, {"p=-10", "m=1"}, "8,5"},
    {{"-0,6p-12,5m", "-12,5m-0,6p"}, {"p=-10", "m=0,1"}, "4,75"},
    {{"0,8p-8m", "-8m+0,8p"}, {"p=10", "m=0,1"}, "7,2"},
    {{"4,4p-17m", "-17m+4,4p"}, {"p=10", "m=0,1"}, "42,3"},
    {{"-1,2p-10m", "-10m-1,2p"}, {"p=-10", "m=0,1"}, "11"},
};

Q At(const QString& text, QChar l1, Q v1, QChar l2, Q v2) {
    bool ok = false;
    const Q v = Expression(text, l1, v1, l2, v2).value(&ok);
    EXPECT_TRUE(ok) << "cannot read " << text.toStdString();
    return v;
}

Q ReadSigned(const QString& text) {
    return text.startsWith(u'-') ? Q(0) - ReadDecimal(text.mid(1)) : ReadDecimal(text);
}
}  // namespace

// Each picture's expression equals both forms of its row wherever its letters
// stand (two linear forms agreeing at three points not on a line agree
// everywhere; more points are checked all the same), and has the row's value.
TEST(Test9Expressions, EachSimplifiesToItsRowAndHasItsValue) {
    const Q points[][2] = {{0, 0}, {1, 0}, {0, 1}, {Q(7, 3), Q(-5, 2)}, {-10, Q(1, 10)}, {Q(13, 100), 4}};
    for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(k + 1);
        const QString expression = Test9Expressions()[size_t(k)];
        const QString first = QString::fromUtf8(kRows[k].letters[0]), second = QString::fromUtf8(kRows[k].letters[1]);
        const QChar l1 = first[0], l2 = second[0];
        for (const auto& point : points)
            for (const char* form : kRows[k].forms)
                ASSERT_EQ(At(expression, l1, point[0], l2, point[1]), At(QString::fromUtf8(form), l1, point[0], l2, point[1]))
                    << expression.toStdString() << " vs " << form;
        const Q value = At(expression, l1, ReadSigned(first.mid(2)), l2, ReadSigned(second.mid(2)));
        EXPECT_EQ(Decimal(value), QString::fromUtf8(kRows[k].value)) << expression.toStdString();
        // Every expression shows both letters and brackets: something to simplify.
        EXPECT_TRUE(expression.contains(l1) && expression.contains(l2) && expression.contains(u'('));
    }
}

TEST(Test9Expressions, PapersEightToTwelveFindTheirPictures) {
    const QString root = QStringLiteral(M6_TESTDATA_DIR);
    QStringList names = {"kr/chdr4pumn.bmp", "kr/umn.bmp", "kr/mod.bmp", "kr/chdr2.bmp", "kr/chdr4.bmp"};
    for (int k = 1; k <= 12; ++k) names << QStringLiteral("kr/pr%1.bmp").arg(k);
    for (const QString& name : names) EXPECT_TRUE(QFile::exists(root + "/" + name)) << name.toStdString();
}
