// vintora-cli: batch work on a catalogue without a display.
#include "commandtable.h"
#include "cli/cliutil.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace vintora::cli;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vintora"));
    QCoreApplication::setOrganizationName(QStringLiteral("Korvalen"));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        QTextStream out(stdout);
        out << "usage: vintora-cli COMMAND [options]\ncommands:";
        for (const auto& entry : commandTable)
            out << ' ' << entry.name;
        out << "\n";
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const auto& entry : commandTable) {
        if (entry.name == name)
            return runGuarded([&] { return entry.run(args); });
    }
    printError(QStringLiteral("unknown command \"%1\"").arg(name));
    return 2;
}
