// vintora-cli init [--db URL]: creates or migrates a catalogue.
#include "catalogue/migrator.h"
#include "cli/cliutil.h"

namespace vintora::cli {

int command_init(const QStringList& arguments)
{
    QStringList args = arguments;
    const QString url = takeDatabaseUrl(args);
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("usage: vintora-cli init [--db URL]")};
    auto connection = db::Connection::open(url);
    const int before = catalogue::Migrator::currentVersion(*connection);
    const int applied = catalogue::Migrator::migrate(*connection);
    if (applied == 0)
        printLine(QStringLiteral("%1: schema %2, up to date").arg(url).arg(before));
    else
        printLine(QStringLiteral("%1: schema %2 -> %3").arg(url).arg(before).arg(catalogue::Migrator::latestVersion()));
    return 0;
}

} // namespace vintora::cli
