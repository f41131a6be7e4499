#include "app/data_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "app/data_folder.h"

#ifndef M6_VERSION
#define M6_VERSION "dev"
#endif

namespace {
QString cannotWrite(const QString& folder) {
    return QStringLiteral(
               "Програма не може працювати: у теку з даними\n%1\nне можна записувати, тож результати учня "
               "загубилися б.\n\nДозвольте запис у цю теку або вкажіть іншу при запуску: matematyka6 --data ТЕКА")
        .arg(QDir::toNativeSeparators(folder));
}

bool isRendered(const QString& folder) {
    QFile stamp(QDir(folder).filePath(DataStampName()));
    return stamp.open(QIODevice::ReadOnly) && QString::fromUtf8(stamp.readAll()) == DataStampText();
}
}  // namespace

QString DataStampName() { return QStringLiteral(".matematyka6-data"); }
QString DataStampText() { return QStringLiteral("Математика 6 " M6_VERSION "\n"); }

void WriteDataStamp(const QString& folder) {
    QFile stamp(QDir(folder).filePath(DataStampName()));
    if (stamp.open(QIODevice::WriteOnly | QIODevice::Truncate)) stamp.write(DataStampText().toUtf8());
}

QString ChooseDataFolder(const QStringList& arguments, const QString& workingFolder, const QString& programFolder) {
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == u"--data" && i + 1 < arguments.size()) return QDir(arguments[i + 1]).absolutePath();
        if (arguments[i].startsWith(u"--data=")) return QDir(arguments[i].mid(7)).absolutePath();
    }
    for (const QString& folder : {workingFolder, programFolder}) {
        if (!folder.isEmpty() && QFileInfo(DataPath(folder, QStringLiteral("stat.txt"))).isFile())
            return QDir(folder).absolutePath();
    }
    return PupilDataFolder();
}

QString PupilDataFolder() {
#ifdef Q_OS_WIN
    // Qt's GenericDataLocation is the local profile (%LOCALAPPDATA%), which stays on one computer.
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (!roaming.isEmpty()) return QDir::fromNativeSeparators(roaming) + QStringLiteral("/matematyka6");
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/matematyka6");
}

QString RendererPath() {
#ifdef Q_OS_WIN
    const QString exe = QStringLiteral(".exe");
#else
    const QString exe;
#endif
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {QStringLiteral("datagen"), QStringLiteral("matematyka6-datagen"),
                                     QStringLiteral("../lib/matematyka6/matematyka6-datagen")}) {
        const QString path = here.filePath(candidate + exe);
        if (QFileInfo(path).isExecutable()) return QDir::cleanPath(path);
    }
    return {};
}

bool PrepareDataFolder(const QString& folder, QString& problem) {
    if (!QDir().mkpath(folder)) {
        problem = cannotWrite(folder);
        return false;
    }
    // Writable for real: a file made and removed, not the permission bits.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-check-XXXXXX")));
    if (!probe.open()) {
        problem = cannotWrite(folder);
        return false;
    }
    probe.close();
    if (isRendered(folder)) return true;

    const QString renderer = RendererPath();
    QProcess render;
    if (!renderer.isEmpty()) {
        render.setProcessChannelMode(QProcess::ForwardedChannels);
        render.start(renderer, {folder});
        render.waitForFinished(120000);
    }
    if (renderer.isEmpty() || render.exitStatus() != QProcess::NormalExit || render.exitCode() != 0 || !isRendered(folder)) {
        problem = QStringLiteral("Не вдалося підготувати теку з даними\n%1\n(малюнки, завдання, журнали). "
                                 "Перевстановіть програму або зверніться до адміністратора.")
                      .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return true;
}
