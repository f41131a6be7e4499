#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// The task files of the independent works as they are written into the data
// folder: the file's name as the program reads it and its lines.
struct TaskFileSource {
    QString name;       // "n9\t3v2.txt"
    QStringList lines;  // without line ends
};

// Independent work 1: "n9\t1v1.txt" … "n9\t11v4.txt", 44 files.
std::vector<TaskFileSource> Work1TaskFiles();

// Independent work 2: "n5\t1v1.txt" … "n5\t15v4.txt", 60 files.
std::vector<TaskFileSource> Work2TaskFiles();

// Independent work 3: "n8\t1_v1.txt" … "n8\t11_v4.txt", 44 files.
std::vector<TaskFileSource> Work3TaskFiles();
