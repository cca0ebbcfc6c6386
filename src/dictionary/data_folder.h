#pragma once
// Where the files that live beside the executable go: the dictionary file now, and later the
// function catalogue and the highlighter rules.
#include <QString>

namespace dd {

// The executable's folder when it is writable; otherwise the user's application-data folder,
// created when missing, so an installed copy in a read-only folder still works. A folder set
// with setDataFolder() wins over both.
QString dataFolder();
// An empty folder restores the rule above.
void setDataFolder(const QString &folder);

// The dictionary file in the data folder.
QString dictionaryFilePath();

} // namespace dd
