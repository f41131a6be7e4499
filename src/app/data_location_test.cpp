#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QDirIterator>
#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "app/data_location.h"
#include "testing/temp_data_folder.h"

TEST(DataLocation, TheGivenFolderThenAWorkingDataFolderThenTheProgramsThenThePupilsOwn) {
    TempDataFolder folder(TempDataFolder::Empty);
    const QString here = folder.path();
    const QString program = here + "/program";
    QDir().mkpath(program);
#ifdef Q_OS_WIN
    const char* pupilsRoot = "APPDATA";
    qputenv(pupilsRoot, QDir::toNativeSeparators(here + "/profile").toUtf8());
    const QString pupils = here + "/profile/matematyka6";
#else
    const char* pupilsRoot = "XDG_DATA_HOME";
    qputenv(pupilsRoot, (here + "/xdg").toUtf8());
    const QString pupils = here + "/xdg/matematyka6";
#endif
    EXPECT_EQ(PupilDataFolder(), pupils);
    EXPECT_EQ(ChooseDataFolder({"matematyka6"}, here, program), pupils);
    // A copy of the program with its data folder, started from elsewhere (a USB stick).
    QFile(program + "/stat.txt").open(QIODevice::WriteOnly);
    EXPECT_EQ(ChooseDataFolder({"matematyka6"}, here, program), program);
    folder.write("STAT.TXT", "");  // a data folder, whatever the case of its names
    EXPECT_EQ(ChooseDataFolder({"matematyka6"}, here, program), here);
    EXPECT_EQ(ChooseDataFolder({"matematyka6", "--data", here + "/class"}, here, program), here + "/class");
    EXPECT_EQ(ChooseDataFolder({"matematyka6", "--data=" + here + "/class/"}, here, program), here + "/class");
#ifdef Q_OS_WIN
    // A class share named as Windows names it.
    EXPECT_EQ(ChooseDataFolder({"matematyka6", "--data", "\\\\server\\klas6a"}, here, program), "//server/klas6a");
#endif
    qunsetenv(pupilsRoot);
}

TEST(DataLocation, AFolderThatCannotBeWrittenIsToldAndNotUsed) {
    TempDataFolder folder(TempDataFolder::Empty);
    folder.write("file", "");
    QString problem;
    EXPECT_FALSE(PrepareDataFolder(folder.file("file/data"), QString(), problem));
    EXPECT_TRUE(problem.contains("не можна записувати")) << problem.toStdString();
}

TEST(DataLocation, ARenderedFolderIsLeftAsItIs) {
    TempDataFolder folder(TempDataFolder::Empty);
    WriteDataStamp(folder.path());
    folder.write("stat.txt", "kept\r\n");
    QString problem;
    EXPECT_TRUE(PrepareDataFolder(folder.path(), QString(), problem)) << problem.toStdString();
    EXPECT_EQ(folder.bytes("stat.txt"), "kept\r\n");
    EXPECT_FALSE(folder.exists("sova4.bmp"));  // not rendered again
}

TEST(DataLocation, TheInstalledContentIsBesideTheProgramUnlessGiven) {
    const QString beside = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/matematyka6");
    EXPECT_EQ(InstalledContentFolder(), beside);
    EXPECT_EQ(ChooseContentFolder({"matematyka6", "--data", "/srv/class"}), beside);
    EXPECT_EQ(ChooseContentFolder({"matematyka6", "--content", "/srv/m6"}), "/srv/m6");
    EXPECT_EQ(ChooseContentFolder({"matematyka6", "--content=/srv/m6/"}), "/srv/m6");
}

namespace {
// Every file under a folder, by its path inside it.
QStringList filesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}
}  // namespace

TEST(DataLocation, BesideInstalledContentANewFolderGetsTheEmptyLogsAlone) {
    TempDataFolder content(TempDataFolder::Empty);
    WriteDataStamp(content.path());
    TempDataFolder home(TempDataFolder::Empty);
    const QString folder = home.file("pupil");
    QString problem;
    ASSERT_TRUE(PrepareDataFolder(folder, content.path(), problem)) << problem.toStdString();
    // The renderer sits beside this test: a picture here would mean it ran.
    QStringList expected = {LogsStampName()};
    for (QString log : ResultsLogNames()) expected << log.replace('\\', '/');
    expected.sort();
    EXPECT_EQ(filesUnder(folder), expected);
    for (const QString& log : ResultsLogNames()) EXPECT_EQ(QFileInfo(DataPath(folder, log)).size(), 0) << log.toStdString();
    EXPECT_EQ(filesUnder(content.path()), QStringList{DataStampName()}) << "nothing is written to the content";
}

TEST(DataLocation, AnOlderFolderIsUsedAsItIsAndLogsAreMadeOnceNeverTruncated) {
    TempDataFolder content(TempDataFolder::Empty);
    WriteDataStamp(content.path());
    TempDataFolder folder(TempDataFolder::Empty);
    // Rendered whole by an earlier version, with a pupil's results and a picture of its own.
    folder.write(DataStampName(), "Математика 6 0.9\n");
    folder.write("STAT.TXT", "kept\r\n");
    folder.write("Deli/stat.txt", "deli kept\r\n");
    folder.write("sova4.bmp", "own picture");
    QString problem;
    ASSERT_TRUE(PrepareDataFolder(folder.path(), content.path(), problem)) << problem.toStdString();
    EXPECT_EQ(folder.bytes("stat.txt"), "kept\r\n");
    EXPECT_EQ(folder.bytes("deli\\stat.txt"), "deli kept\r\n");
    EXPECT_FALSE(QDir(folder.path()).entryList(QDir::Files).contains("stat.txt")) << "no second log beside STAT.TXT";
    EXPECT_EQ(folder.bytes("sova4.bmp"), "own picture");
    EXPECT_TRUE(folder.exists("GTM\\stat.txt"));
    // A log the teacher removes afterwards stays removed, as in a rendered folder.
    folder.remove("GTM\\stat.txt");
    ASSERT_TRUE(PrepareDataFolder(folder.path(), content.path(), problem)) << problem.toStdString();
    EXPECT_FALSE(folder.exists("GTM\\stat.txt"));
    EXPECT_EQ(folder.bytes("stat.txt"), "kept\r\n");
}
