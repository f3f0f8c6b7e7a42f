// vintora-cli demo [--db URL] [--performers N] [--seed S]: fills a catalogue with a generated one.
#include "catalogue/demogenerator.h"
#include "catalogue/migrator.h"
#include "cli/cliutil.h"

#include <QElapsedTimer>
#include <cstdio>
#include <unistd.h>

namespace vintora::cli {

int command_demo(const QStringList& arguments)
{
    QStringList args = arguments;
    const QString url = takeDatabaseUrl(args);
    bool ok = true;
    catalogue::DemoOptions options;
    options.performers = takeOption(args, QStringLiteral("performers"), QStringLiteral("1000")).toInt(&ok);
    if (!ok || options.performers < 0)
        throw UsageError{QStringLiteral("--performers takes a whole number")};
    options.seed = takeOption(args, QStringLiteral("seed"), QStringLiteral("1")).toUInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("--seed takes a whole number")};
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("usage: vintora-cli demo [--db URL] [--performers N] [--seed S]")};
    if (isatty(fileno(stderr))) {
        options.progress = [](int done, int total) {
            std::fprintf(stderr, "\r%d / %d", done, total);
            std::fflush(stderr);
        };
    }
    QElapsedTimer timer;
    timer.start();
    auto connection = catalogue::openCatalogue(url);
    const catalogue::DemoCounts n = catalogue::generateDemo(*connection, options);
    if (options.progress)
        std::fprintf(stderr, "\n");
    printLine(QStringLiteral("%1 performers, %2 albums, %3 tracks, %4 firms, %5 genres, %6 MP3 files in %7 s")
                  .arg(n.performers).arg(n.albums).arg(n.tracks).arg(n.firms).arg(n.genres).arg(n.files)
                  .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    return 0;
}

} // namespace vintora::cli
