#include "cli.h"

#include <QFile>

#include <cstdio>

#include "designfile/design_file.h"
#include "model/windows1252.h"

namespace dlgc {

std::optional<Arguments> parseArguments(const QStringList &args, const QStringList &valueOptions, QString *error)
{
    Arguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool takesValue = a == QLatin1String("-o") || valueOptions.contains(a);
        if (takesValue) {
            if (i + 1 >= args.size()) {
                *error = a + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            if (a == QLatin1String("-o"))
                parsed.output = args[++i];
            else
                parsed.options.insert(a.mid(2), args[++i]);
        } else if (a.startsWith(QLatin1String("--"))) {
            parsed.flags.append(a.mid(2));
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            *error = QStringLiteral("unknown option ") + a;
            return std::nullopt;
        } else if (parsed.command.isEmpty()) {
            parsed.command = a;
        } else {
            parsed.positional.append(a);
        }
    }
    return parsed;
}

void printError(const QString &message)
{
    const QByteArray text = QStringLiteral("error: %1\n").arg(message).toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
}

void printWarning(const QString &message)
{
    const QByteArray text = QStringLiteral("warning: %1\n").arg(message).toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
}

bool writeOutput(const QString &out, const QByteArray &bytes)
{
    if (out.isEmpty()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return std::fflush(stdout) == 0;
    }
    if (auto error = dd::designfile::writeFileAtomically(out, bytes)) {
        printError(*error);
        return false;
    }
    return true;
}

std::optional<QByteArray> readInput(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot open \"%1\": %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace dlgc
