// vintora-cli export: writes the web site of a catalogue without a display.
#include "catalogue/migrator.h"
#include "cli/cliutil.h"
#include "export/exportparameters.h"
#include "export/iexportprogress.h"
#include "export/texportencyclopaediadm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace vintora::cli {

namespace {

// Prints the export log as it grows.
class PrintingProgress : public export_::IExportProgress {
public:
    void growMaximum(int, const QString&) override {}
    void step() override {}
    void exportLog(const QString& line) override { printLine(line); }
};

} // namespace

int command_export(const QStringList& arguments)
{
    QStringList args = arguments;
    const QString usage = QStringLiteral(
        "usage: vintora-cli export [--db URL] --site FOLDER [--limit N] [--no-lists] [--check-version] [--object KEY]");
    const QString url = takeDatabaseUrl(args);
    const QString site = takeOption(args, QStringLiteral("site"));
    const QString limit = takeOption(args, QStringLiteral("limit"));
    const bool noLists = takeFlag(args, QStringLiteral("no-lists"));
    const bool checkVersion = takeFlag(args, QStringLiteral("check-version"));
    const QString object = takeOption(args, QStringLiteral("object"));
    if (!args.isEmpty() || site.isEmpty())
        throw UsageError{usage};

    // The stored parameters give the templates; the site folder given here is where the main
    // page lives. Without stored parameters the shipped templates serve.
    const QString shipped = export_::ExportParameters::shippedTemplateFolder();
    export_::ExportParameters defaults = export_::ExportParameters::shippedTemplates(shipped);
    export_::ExportParameters p =
        export_::hasStoredParameters() ? export_::loadStoredParameters(defaults) : defaults;
    if (!limit.isEmpty()) {
        bool ok = false;
        p.objCount = limit.toInt(&ok);
        if (!ok || p.objCount < 0)
            throw UsageError{QStringLiteral("--limit takes a whole number >= 0")};
    }
    if (checkVersion)
        p.newVersion = true;
    if (!QDir().mkpath(site)) {
        printError(QStringLiteral("cannot create the site folder %1").arg(site));
        return 1;
    }
    const QString root = QDir(site).absoluteFilePath(QStringLiteral("index.htm"));
    if (!QFileInfo::exists(root)) {
        const QString mainTemplate = QFileInfo(p.root).isFile() ? p.root : defaults.root;
        if (!QFile::copy(mainTemplate, root)) {
            printError(QStringLiteral("cannot copy the main page %1 to %2").arg(mainTemplate, root));
            return 1;
        }
        QFile(root).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    p.root = root;

    auto connection = catalogue::openCatalogue(url);
    PrintingProgress progress;
    export_::TExportEncyclopaediaDM dm(*connection, &progress);
    dm.setParameters(p);
    bool done = true;
    if (!object.isEmpty()) {
        done = dm.ExportObject(object);
    } else {
        if (checkVersion)
            done = dm.CheckPageVersion();
        if (done)
            done = dm.ExportEncyclopaedia(!noLists);
    }
    return done ? 0 : 1;
}

} // namespace vintora::cli
