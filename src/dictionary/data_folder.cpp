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
    const QString beside = QCoreApplication::applicationDirPath();
    if (!beside.isEmpty() && QFileInfo(beside).isWritable())
        return beside;
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(appData);
    return appData;
}

void setDataFolder(const QString &folder) { chosenFolder() = folder; }

QString dictionaryFilePath() { return QDir(dataFolder()).filePath(QStringLiteral("QUORVEX.dic")); }

} // namespace dd
