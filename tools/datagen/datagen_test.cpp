#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

#include "datagen/datagen.h"
#include "testing/temp_data_folder.h"

namespace {
const QStringList kLogs = {"stat.txt",     "deli/stat.txt", "NDD/stat.txt", "OZ/stat.txt",      "Add/stat.txt",
                           "dd/stat.txt",  "z1/stat.txt",   "z2/stat.txt",  "z3/stat.txt",      "z4/stat.txt",
                           "z5/stat.txt",  "z6/stat.txt",   "z7/stat.txt",  "z8/stat.txt",      "zcircle/stat.txt",
                           "vch/stat.txt", "GTM/stat.txt",  "n8/stat.txt"};
}

TEST(Datagen, MakesEveryLogEmptyAndKeepsPupilsResults) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("deli/stat.txt", "дата 08.12.2026 …\r\n");
    RenderDataFolder(folder.path());
    for (const QString& log : kLogs) {
        ASSERT_TRUE(folder.exists(log)) << log.toStdString();
        if (log != "deli/stat.txt") {
            EXPECT_TRUE(folder.bytes(log).isEmpty()) << log.toStdString();
        }
    }
    EXPECT_EQ(folder.bytes("deli/stat.txt"), QByteArray("дата 08.12.2026 …\r\n"));
    // A second rendering into the same folder changes no log either.
    folder.write("stat.txt", "line\r\n");
    RenderDataFolder(folder.path());
    EXPECT_EQ(folder.bytes("stat.txt"), "line\r\n");
}

TEST(Datagen, EveryPictureIsARealColourfulBitmap) {
    const QString root = QStringLiteral(M6_TESTDATA_DIR);
    QDirIterator it(root, {"*.bmp"}, QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(2), "BM") << path.toStdString();
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_LE(image.width() * image.height(), 800 * 600) << "too large: " << path.toStdString();
        // Fraction bars are a plain stroke on purpose.
        if (QFileInfo(path).fileName().startsWith("chdr", Qt::CaseInsensitive)) {
            ++count;
            continue;
        }
        // No grey box: a picture has colours in it.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 4) << "flat picture: " << path.toStdString();
        ++count;
    }
    EXPECT_GE(count, 17);
    for (const char* name : {"sova4.bmp", "kash2.bmp", "p01.bmp", "p15.bmp"}) {
        EXPECT_TRUE(QFile::exists(root + "/" + name)) << name;
    }
}
