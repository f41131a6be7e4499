#include <QDir>
#include <gtest/gtest.h>

#include "app/data_location.h"
#include "testing/temp_data_folder.h"

TEST(DataLocation, TheGivenFolderThenAWorkingDataFolderThenThePupilsOwn) {
    TempDataFolder folder(TempDataFolder::Empty);
    const QString here = folder.path();
    qputenv("XDG_DATA_HOME", (here + "/xdg").toUtf8());
    EXPECT_EQ(ChooseDataFolder({"matematyka6"}, here), here + "/xdg/matematyka6");
    folder.write("STAT.TXT", "");  // a data folder, whatever the case of its names
    EXPECT_EQ(ChooseDataFolder({"matematyka6"}, here), here);
    EXPECT_EQ(ChooseDataFolder({"matematyka6", "--data", "/srv/class"}, here), "/srv/class");
    EXPECT_EQ(ChooseDataFolder({"matematyka6", "--data=/srv/class/"}, here), "/srv/class");
    qunsetenv("XDG_DATA_HOME");
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
