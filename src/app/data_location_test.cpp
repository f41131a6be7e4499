#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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
    EXPECT_FALSE(PrepareDataFolder(folder.file("file/data"), problem));
    EXPECT_TRUE(problem.contains("не можна записувати")) << problem.toStdString();
}

TEST(DataLocation, ARenderedFolderIsLeftAsItIs) {
    TempDataFolder folder(TempDataFolder::Empty);
    WriteDataStamp(folder.path());
    folder.write("stat.txt", "kept\r\n");
    QString problem;
    EXPECT_TRUE(PrepareDataFolder(folder.path(), problem)) << problem.toStdString();
    EXPECT_EQ(folder.bytes("stat.txt"), "kept\r\n");
    EXPECT_FALSE(folder.exists("sova4.bmp"));  // not rendered again
}
