#include "datagen/data_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "app/data_folder.h"
#include "core/text_file.h"

DataWriter::DataWriter(const QString& root) : root_(QDir(root).absolutePath()) { QDir().mkpath(root_); }

QString DataWriter::path(const QString& systemName) const {
    const QString full = DataPath(root_, systemName);
    QDir().mkpath(QFileInfo(full).absolutePath());
    return full;
}

void DataWriter::savePicture(const QString& systemName, const QImage& picture) const {
    const QString full = path(systemName);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(full, "BMP")) {
        throw std::runtime_error("cannot write " + full.toStdString());
    }
}

void DataWriter::writeTextFile(const QString& systemName, const QStringList& lines) const {
    RewriteTextLines(path(systemName), lines);
}
