#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh working folder for one test, made the current folder while it lives.
// With data, it holds the rendered data folder (pictures linked, task files and
// empty logs copied), so that logs written by the test stay in it.
class TempDataFolder {
public:
    enum Contents { Empty, WithData };
    explicit TempDataFolder(Contents contents = WithData);
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    QString path() const { return dir_.path(); }
    // Full path of a name as the program writes it ("deli\stat.txt").
    QString file(const QString& systemName) const;
    bool exists(const QString& systemName) const;
    void remove(const QString& systemName) const;
    // Raw bytes and decoded lines of a text file.
    QByteArray bytes(const QString& systemName) const;
    QStringList lines(const QString& systemName) const;
    void write(const QString& systemName, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
