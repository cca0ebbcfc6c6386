#pragma once
// Shared pieces of the dlgc commands: arguments, messages and exit statuses.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace dlgc {

enum Exit { Ok = 0, BadInput = 1, Usage = 2 };

// Parsed "COMMAND POSITIONAL... [-o OUT] [--name VALUE]" arguments.
struct Arguments {
    QString command;
    QStringList positional;
    QString output;                  // -o
    QHash<QString, QString> options; // --language advpl, --data-dir DIR, ...
    QStringList flags;               // --completion
};
std::optional<Arguments> parseArguments(const QStringList &args, const QStringList &valueOptions, QString *error);

void printError(const QString &message);
void printWarning(const QString &message);
// Writes to OUT through a temporary file, or to standard output when OUT is empty.
bool writeOutput(const QString &out, const QByteArray &bytes);
std::optional<QByteArray> readInput(const QString &path);

int generate(const Arguments &args);
int toText(const Arguments &args);
int fromText(const Arguments &args);
int save(const Arguments &args);
int importDictionary(const Arguments &args);
int fields(const Arguments &args);

} // namespace dlgc
