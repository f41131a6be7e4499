#include "app/data_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

#include "app/data_folder.h"
#include "core/pupil_data_folder.h"

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

bool hasStamp(const QString& folder, const QString& name) {
    QFile stamp(QDir(folder).filePath(name));
    return stamp.open(QIODevice::ReadOnly) && QString::fromUtf8(stamp.readAll()) == DataStampText();
}

void writeStamp(const QString& folder, const QString& name) {
    QFile stamp(QDir(folder).filePath(name));
    if (stamp.open(QIODevice::WriteOnly | QIODevice::Truncate)) stamp.write(DataStampText().toUtf8());
}

QString optionValue(const QStringList& arguments, const QString& option) {
    const QString joined = option + u'=';
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size()) return arguments[i + 1];
        if (arguments[i].startsWith(joined)) return arguments[i].mid(joined.size());
    }
    return {};
}

bool renderWhole(const QString& folder) {
    const QString renderer = RendererPath();
    if (renderer.isEmpty()) return false;
    QProcess render;
    render.setProcessChannelMode(QProcess::ForwardedChannels);
    render.start(renderer, {folder});
    render.waitForFinished(120000);
    return render.exitStatus() == QProcess::NormalExit && render.exitCode() == 0 && hasStamp(folder, DataStampName());
}
}  // namespace

QString DataStampName() { return QStringLiteral(".matematyka6-data"); }
QString LogsStampName() { return QStringLiteral(".matematyka6-logs"); }
QString DataStampText() { return QStringLiteral("Математика 6 " M6_VERSION "\n"); }

void WriteDataStamp(const QString& folder) { writeStamp(folder, DataStampName()); }

QString ChooseDataFolder(const QStringList& arguments, const QString& workingFolder, const QString& programFolder) {
    const QString given = optionValue(arguments, QStringLiteral("--data"));
    if (!given.isEmpty()) return QDir(given).absolutePath();
    for (const QString& folder : {workingFolder, programFolder}) {
        if (!folder.isEmpty() && QFileInfo(DataPath(folder, QStringLiteral("stat.txt"))).isFile())
            return QDir(folder).absolutePath();
    }
    return PupilDataFolder();
}

QString InstalledContentFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/matematyka6"));
}

QString ChooseContentFolder(const QStringList& arguments) {
    const QString given = optionValue(arguments, QStringLiteral("--content"));
    return given.isEmpty() ? InstalledContentFolder() : QDir(given).absolutePath();
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

QStringList ResultsLogNames() {
    QStringList names = {QStringLiteral("stat.txt")};
    for (const char* folder : {"deli", "NDD", "OZ", "Add", "dd", "z1", "z2", "z3", "z4", "z5", "z6", "z7", "z8",
                               "zcircle", "vch", "GTM", "n8"}) {
        names << QString::fromLatin1(folder) + QStringLiteral("\\stat.txt");
    }
    return names;
}

bool EnsureResultsLogs(const QString& folder) {
    bool made = true;
    for (const QString& name : ResultsLogNames()) {
        const QString full = DataPath(folder, name);
        if (QFileInfo::exists(full)) continue;
        QDir().mkpath(QFileInfo(full).absolutePath());
        // NewOnly: a log another computer made meanwhile is not truncated.
        QFile log(full);
        if (!log.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(full)) made = false;
    }
    return made;
}

bool PrepareDataFolder(const QString& folder, const QString& contentFolder, QString& problem) {
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
    // A folder rendered whole by this version needs nothing beneath it.
    if (hasStamp(folder, DataStampName())) return true;
    const bool contentInstalled = !contentFolder.isEmpty() && QDir(contentFolder).absolutePath() != QDir(folder).absolutePath() &&
                                  hasStamp(contentFolder, DataStampName());
    if (contentInstalled) {
        // The logs are made once: a log the teacher removed later stays removed, as in a rendered folder.
        if (hasStamp(folder, LogsStampName())) return true;
        if (!EnsureResultsLogs(folder)) {
            problem = cannotWrite(folder);
            return false;
        }
        writeStamp(folder, LogsStampName());
        return true;
    }
    if (!renderWhole(folder)) {
        problem = QStringLiteral("Не вдалося підготувати теку з даними\n%1\n(малюнки, завдання, журнали). "
                                 "Перевстановіть програму або зверніться до адміністратора.")
                      .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return true;
}
