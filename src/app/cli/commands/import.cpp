// vintora-cli import [--db URL] [--create] FOLDER: the tag import of a folder tree without a
// display. Questions no one can answer are reported and their files skipped, or with --create
// the missing rows are made from the tags. The folder is marked as a scan not finished while the
// run goes on, as the import window does, and stays marked unless every file was done.
#include "audio/tmpegaudio.h"
#include "catalogue/tdmcomming.h"
#include "cli/cliutil.h"
#include "import/filewalk.h"
#include "import/importroutines.h"
#include "import/tbatchchooser.h"
#include "import/timportmp3tagdm.h"
#include "platform/db/connection.h"
#include "platform/db/routines.h"
#include "platform/os/files.h"
#include "platform/os/system.h"
#include "platform/utf8.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace vintora::cli {

namespace {

// "+" marks the folder of this computer as a scan not finished, "-" removes the mark.
void markFolder(db::Connection& c, const QString& action, const QString& folder)
{
    db::callRoutine(c, QStringLiteral("ExecDirNoDone;1"),
                    {{QStringLiteral("@R"), action}, {QStringLiteral("@CMP"), os::getComputerNameText()},
                     {QStringLiteral("@PH"), folder}});
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

    import::registerRoutines();

    // The files are taken as the walk finds them, so that a tree of any size costs the same memory.
    import::FileWalk walk(folder, QStringLiteral("mp3"), QStringLiteral(".skip"));
    const bool terminal = isatty(fileno(stderr));
    qlonglong found = 0;
    int visited = 0, processed = 0, errors = 0, unresolved = 0;
    QString path;
    while (walk.next(path)) {
        if (found++ == 0)
            markFolder(dm.cnVintora(), QStringLiteral("+"), folder);
        if (terminal && found % 50 == 1) {
            std::fprintf(stderr, "\r%lld", found);
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
    if (terminal && found > 0)
        std::fprintf(stderr, "\r%lld\n", found);
    if (found > 0 && errors == 0 && unresolved == 0)
        markFolder(dm.cnVintora(), QStringLiteral("-"), folder);

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
