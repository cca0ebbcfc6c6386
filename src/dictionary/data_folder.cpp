#include "dictionary/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dd {
namespace {

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString dataFolder()
{
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    return dataFolderFor(QCoreApplication::applicationDirPath());
}

void setDataFolder(const QString &folder) { chosenFolder() = folder; }

QString dataFolderFor(const QString &executableFolder)
{
    const QFileInfo folder(executableFolder);
    if (!executableFolder.isEmpty() && folder.isDir() && folder.isWritable())
        return executableFolder;
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(appData);
    return appData;
}

QString dictionaryFilePath() { return QDir(dataFolder()).filePath(QStringLiteral("QUORVEX.dic")); }

} // namespace dd
