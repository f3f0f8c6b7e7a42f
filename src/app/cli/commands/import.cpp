// vintora-cli import [--db URL] [--create] FOLDER: the tag import of a folder tree without a
// display. Questions no one can answer are reported and their files skipped, or with --create
// the missing rows are made from the tags.
#include "audio/tmpegaudio.h"
#include "catalogue/tdmcomming.h"
#include "cli/cliutil.h"
#include "import/tbatchchooser.h"
#include "import/timportmp3tagdm.h"
#include "platform/db/connection.h"
#include "platform/os/files.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace vintora::cli {

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

int command_import(const QStringList& arguments)
{
    QStringList args = arguments;
    const QString url = takeDatabaseUrl(args);
    const bool create = takeFlag(args, QStringLiteral("create"));
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        throw UsageError{QStringLiteral("usage: vintora-cli import [--db URL] [--create] FOLDER")};
    const QFileInfo folderInfo(args[0]);
    if (!folderInfo.isDir())
        throw UsageError{QStringLiteral("not a folder: ") + args[0]};
    const QString folder = os::withTrailingBackslash(folderInfo.absoluteFilePath());

    catalogue::TdmComming dm(url);
    import::TBatchChooser chooser(dm, create);
    import::TImportMp3TagDM engine(dm, chooser);
    audio::TMPEGaudio reader;

    QStringList files;
    os::findFilesByExt(folder, QStringLiteral("mp3"), files, {}, QStringLiteral(".skip"));
    const bool terminal = isatty(fileno(stderr));
    int visited = 0, processed = 0, errors = 0, unresolved = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        if (terminal && (i % 50 == 0 || i + 1 == files.size())) {
            std::fprintf(stderr, "\r%lld / %lld", qlonglong(i + 1), qlonglong(files.size()));
            std::fflush(stderr);
        }
        if (!QFileInfo::exists(path)) {
            printLine(path + S(" [ошибка доступа]"));
            ++errors;
            continue;
        }
        ++visited;
        try {
            if (!engine.NeedsImport(path))
                continue;
            reader.ReadFromFile(path);
            ++processed;
            // Everything the file brings, rows made for it included, is kept or lost together.
            db::Transaction t(dm.cnVintora());
            bool skipped = false;
            engine.ImportFile(path, reader, [](int) {}, [&skipped]() { skipped = true; });
            t.commit();
            if (skipped) {
                ++unresolved;
                printLine(QStringLiteral("unresolved: ") + chooser.lastUnresolved() + QStringLiteral(" - ") + path);
            }
        } catch (const db::DbError& e) {
            ++errors;
            printError(path + QStringLiteral(": ") + e.message());
        }
        dm.importState.reset();
    }
    if (terminal && !files.isEmpty())
        std::fprintf(stderr, "\n");

    printLine(QStringLiteral("-----"));
    printLine(S("Файлов %1, обработано %2, ошибок %3.").arg(visited).arg(processed).arg(errors));
    if (unresolved > 0)
        printLine(QStringLiteral("unresolved files: %1").arg(unresolved));
    if (create && chooser.created() > 0)
        printLine(QStringLiteral("rows created: %1").arg(chooser.created()));
    printLine(QStringLiteral("-----"));
    printLine(S("Проверка файлов в папке: ") + folder + QStringLiteral("."));
    import::CheckFolderLines view;
    engine.CheckFolderFiles(folder, view);
    for (const QString& line : view.lines)
        printLine(line);
    printLine(QStringLiteral("-----"));
    return errors > 0 || unresolved > 0 ? 1 : 0;
}

} // namespace vintora::cli
