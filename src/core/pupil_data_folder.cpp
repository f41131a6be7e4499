#include "core/pupil_data_folder.h"

#include <QDir>
#include <QStandardPaths>

QString PupilDataFolder() {
#ifdef Q_OS_WIN
    // Qt's GenericDataLocation is the local profile (%LOCALAPPDATA%), which stays on one computer.
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (!roaming.isEmpty()) return QDir::fromNativeSeparators(roaming) + QStringLiteral("/matematyka6");
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/matematyka6");
}
