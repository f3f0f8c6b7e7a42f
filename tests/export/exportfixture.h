#pragma once
// A catalogue, a site folder with the shipped templates and an engine, for the export tests.
#include "export/exportparameters.h"
#include "export/iexportprogress.h"
#include "export/sitemarkers.h"
#include "export/sitetext.h"
#include "export/texportencyclopaediadm.h"
#include "platform/db/connection.h"
#include "support/testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace vintora::test {

class ExportFixture {
public:
    explicit ExportFixture(db::Connection& c) : connection(c)
    {
        const QString templates = QStringLiteral(VINTORA_SOURCE_DIR "/data/site");
        QDir().mkpath(site());
        params = export_::ExportParameters::shippedTemplates(templates);
        params.siteHost.clear();
        QFile::copy(params.root, site() + QStringLiteral("index.htm"));
        QFile(site() + QStringLiteral("index.htm")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        params.root = site() + QStringLiteral("index.htm");
        dm = std::make_unique<export_::TExportEncyclopaediaDM>(c, &progress);
        dm->setParameters(params);
    }
    QString site() const { return dir.path() + QStringLiteral("/site/"); }
    void exec(const QString& sql) { connection.execute(sql); }
    void setParameters(const export_::ExportParameters& p)
    {
        params = p;
        dm->setParameters(p);
    }

    // The lines between the markers of a page.
    static QStringList region(const QString& file, const QString& begin, const QString& end)
    {
        QStringList lines;
        if (!export_::readPageLines(file, lines))
            return {QStringLiteral("<missing file>")};
        QStringList out;
        bool inside = false;
        for (const QString& l : lines) {
            if (l.contains(begin)) {
                inside = true;
                continue;
            }
            if (l.contains(end))
                inside = false;
            else if (inside)
                out << l;
        }
        return out;
    }

    db::Connection& connection;
    QTemporaryDir dir;
    export_::ExportParameters params;
    export_::LogOnlyProgress progress;
    std::unique_ptr<export_::TExportEncyclopaediaDM> dm;
};

} // namespace vintora::test
