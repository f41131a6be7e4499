#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// Writes the data folder under a root, naming files as the program does
// ("Deli\01(9).bmp"): folders are matched without regard to case and made when missing.
class DataWriter {
public:
    explicit DataWriter(const QString& root);
    const QString& root() const { return root_; }
    // The full path of a name, its folders made.
    QString path(const QString& systemName) const;
    void savePicture(const QString& systemName, const QImage& picture) const;
    // A task file: Windows-1251, CR LF, replaced.
    void writeTextFile(const QString& systemName, const QStringList& lines) const;

private:
    QString root_;
};
