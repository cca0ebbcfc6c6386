// dlgc: the designer's formats and generators on the command line.
#include <QCoreApplication>

#include <cstdio>

#include "cli.h"
#include "design_loading.h"

namespace {

const char kUsage[] =
    "usage: dlgc generate DESIGN [-o OUT] [--language advpl|oohg]\n"
    "       dlgc to-text DESIGN\n"
    "       dlgc from-text TEXT -o DESIGN\n"
    "       dlgc save DESIGN -o OUT\n"
    "       dlgc import-dictionary SX3FILE [-o DICFILE] [--data-dir DIR]\n"
    "       dlgc fields ALIAS [--dictionary DICFILE] [--completion] [--data-dir DIR]\n";

int usage(const QString &problem)
{
    if (!problem.isEmpty())
        std::fprintf(stderr, "dlgc: %s\n", qPrintable(problem));
    std::fputs(kUsage, stderr);
    return dlgc::Usage;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString error;
    auto args = dlgc::parseArguments(app.arguments().mid(1), {QStringLiteral("--language"), QStringLiteral("--data-dir"),
                                                                 QStringLiteral("--dictionary")},
                                     &error);
    if (!args)
        return usage(error);
    const QString &command = args->command;
    if (args->options.contains(QStringLiteral("language")) && !dlgc::languageOption(args->options.value(QStringLiteral("language"))))
        return usage(QStringLiteral("--language takes advpl or oohg"));
    const qsizetype inputs = args->positional.size();
    if (command == QLatin1String("generate") && inputs == 1)
        return dlgc::generate(*args);
    if (command == QLatin1String("to-text") && inputs == 1)
        return dlgc::toText(*args);
    if (command == QLatin1String("from-text") && inputs == 1 && !args->output.isEmpty())
        return dlgc::fromText(*args);
    if (command == QLatin1String("save") && inputs == 1 && !args->output.isEmpty())
        return dlgc::save(*args);
    if (command == QLatin1String("import-dictionary") && inputs == 1)
        return dlgc::importDictionary(*args);
    if (command == QLatin1String("fields") && inputs == 1)
        return dlgc::fields(*args);
    if (command.isEmpty() || args->flags.contains(QLatin1String("help")))
        return usage({});
    return usage(QStringLiteral("wrong arguments for \"%1\"").arg(command));
}
