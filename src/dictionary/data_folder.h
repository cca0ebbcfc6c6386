#pragma once
// Where the files that live beside the executable go: the dictionary file now, and later the
// function catalogue and the highlighter rules.
#include <QString>

namespace dd {

// The folder set with setDataFolder(), or else the rule of dataFolderFor() for the
// executable's folder.
QString dataFolder();
// An empty folder restores the rule.
void setDataFolder(const QString &folder);

// `executableFolder` when it is writable; otherwise the user's application-data folder,
// created when missing, so that an installed copy in a read-only folder still works.
QString dataFolderFor(const QString &executableFolder);

// The dictionary file in the data folder.
QString dictionaryFilePath();

} // namespace dd
