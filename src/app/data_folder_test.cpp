#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "testing/temp_data_folder.h"

namespace {
// The path a name resolves to. Where file names ignore case (Windows) a part
// that exists is kept as written, since it opens the same file; elsewhere it
// takes the spelling on disk.
void ExpectPath(const QString& resolved, const QString& onDisk) {
#ifdef Q_OS_WIN
    EXPECT_EQ(resolved.compare(onDisk, Qt::CaseInsensitive), 0) << resolved.toStdString() << " " << onDisk.toStdString();
#else
    EXPECT_EQ(resolved, onDisk);
#endif
}
}  // namespace

TEST(DataFolder, NamesResolveWithoutRegardToCaseWithEitherSeparator) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("deli/01(9).bmp", "x");
    folder.write("kr/chdr2.bmp", "x");
    const QString base = QDir(folder.path()).absolutePath();
    ExpectPath(DataPath("Deli\\01(9).bmp"), base + "/deli/01(9).bmp");
    ExpectPath(DataPath("deli/01(9).bmp"), base + "/deli/01(9).bmp");
    ExpectPath(DataPath("DELI\\01(9).BMP"), base + "/deli/01(9).bmp");
    ExpectPath(DataPath("kr/chdr2.bmp"), base + "/kr/chdr2.bmp");
    ExpectPath(DataPath("KR\\CHDR2.bmp"), base + "/kr/chdr2.bmp");
}

TEST(DataFolder, AMissingPartIsKeptAsWrittenUnderTheWorkingFolder) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("Add/stat.txt", "");
    const QString base = QDir(folder.path()).absolutePath();
    ExpectPath(DataPath("ADD\\nothing.bmp"), base + "/Add/nothing.bmp");
    ExpectPath(DataPath("zcircle\\stat.txt"), base + "/zcircle/stat.txt");
    ExpectPath(DataPath("stat.txt"), base + "/stat.txt");
}

TEST(DataFolder, AnExactMatchWinsOverOneThatDiffersInCase) {
    TempDataFolder folder(TempDataFolder::Empty);
    // Made by hand: the test folder's own writer would merge the two.
    QDir(folder.path()).mkpath("dd");
    QDir(folder.path()).mkpath("DD");
    folder.write("dd/a.txt", "lower");
    QFile upper(folder.path() + "/DD/a.txt");
    ASSERT_TRUE(upper.open(QIODevice::WriteOnly));
    const QString base = QDir(folder.path()).absolutePath();
    EXPECT_EQ(DataPath("DD\\a.txt"), base + "/DD/a.txt");
    EXPECT_EQ(DataPath("dd\\a.txt"), base + "/dd/a.txt");
}

TEST(DataFolder, APartBeginningWithAColonStaysInTheDataFolder) {
    // Qt reads ":name" as one of its own resources; here it is a file like any other.
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("n9/:t1v1.txt", "x");
    const QString base = QDir(folder.path()).absolutePath();
    EXPECT_EQ(DataPath("N9\\:T1V1.txt"), base + "/n9/:t1v1.txt");
    EXPECT_EQ(DataPath(":9/x"), base + "/:9/x");
    EXPECT_EQ(DataPath(base, "a\\:b"), base + "/a/:b");
}

TEST(DataFolder, ReadsTheDataFolderFirstThenTheInstalledContentAndWritesOnlyTheDataFolder) {
    TempDataFolder content(TempDataFolder::Empty);
    content.write("n9/t1v1.txt", "installed");
    content.write("n9/t2v1.txt", "installed");
    content.write("kr/chdr2.bmp", "installed");
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("N9/T1V1.TXT", "teacher's");  // an override, in other letters than the program names it
    const QString data = QDir(folder.path()).absolutePath();
    const QString installed = QDir(content.path()).absolutePath();
    SetContentFolder(installed);
    ExpectPath(ContentPath("n9\\t1v1.txt"), data + "/N9/T1V1.TXT");
    ExpectPath(ContentPath("n9\\t2v1.txt"), installed + "/n9/t2v1.txt");  // the rest of the folder comes from the content
    ExpectPath(ContentPath("KR/CHDR2.BMP"), installed + "/kr/chdr2.bmp");
    // Missing in both: the data folder's name, as the message always gave it.
    ExpectPath(ContentPath("kr\\none.bmp"), data + "/kr/none.bmp");
    ExpectPath(ContentPath("n9\\t9v9.txt"), data + "/N9/t9v9.txt");
    // A log lives in the data folder even when the content has a file of that name.
    content.write("stat.txt", "");
    EXPECT_EQ(DataPath("stat.txt"), data + "/stat.txt");
    SetContentFolder(QString());
    ExpectPath(ContentPath("n9\\t2v1.txt"), data + "/N9/t2v1.txt");  // no content: the data folder alone
}
