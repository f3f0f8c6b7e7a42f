// A full export of a demo catalogue: every relative link resolves, no catalogue text is left
// as markup, a run with nothing marked writes no performer or album page, and pages written
// again with the same content are left alone. A run stopped by its limit still leaves every
// link leading somewhere.
#include "exportfixture.h"

#include "catalogue/demogenerator.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace vintora;
using namespace vintora::export_;
using vintora::test::ExportFixture;

class TestSiteExport : public QObject {
    Q_OBJECT
private slots:
    void fullDemoExport_data();
    void fullDemoExport();
    void limitedRunLinksResolve_data();
    void limitedRunLinksResolve();
};

namespace {

struct SiteCheck {
    int pages = 0;
    QStringList broken;
    QStringList markup;
};

SiteCheck checkSite(const QString& site)
{
    static const QSet<QString> tags{u"html"_s, u"head"_s, u"meta"_s, u"title"_s, u"style"_s, u"body"_s, u"div"_s, u"table"_s, u"tr"_s, u"td"_s, u"ul"_s,
                                    u"li"_s, u"a"_s, u"h1"_s, u"h2"_s, u"h3"_s, u"h4"_s, u"p"_s, u"b"_s, u"hr"_s, u"img"_s, u"pre"_s, u"iframe"_s, u"br"_s};
    const QRegularExpression tagRe(QStringLiteral("</?([A-Za-z0-9!]+)"));
    const QRegularExpression linkRe(QStringLiteral("(?:href|src)=\"([^\"]*)\"|URL=([^\"]*)\""));
    const QRegularExpression ampRe(QStringLiteral("&(?!(amp|lt|gt|quot|nbsp|#[0-9]+);)"));
    SiteCheck out;
    int& pages = out.pages;
    QStringList& broken = out.broken;
    QStringList& markup = out.markup;
    QDirIterator it(site, {QStringLiteral("*.htm")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        ++pages;
        QStringList lines;
        if (!readPageLines(file, lines)) {
            broken << file + QStringLiteral(": unreadable");
            continue;
        }
        const QString text = lines.join(u'\n');
        auto tm = tagRe.globalMatch(text);
        while (tm.hasNext()) {
            const QString tag = tm.next().captured(1).toLower();
            if (!tags.contains(tag) && tag != QLatin1String("!doctype") && !tag.startsWith(u'!'))
                markup << file + QStringLiteral(": <") + tag;
        }
        if (ampRe.match(text).hasMatch())
            markup << file + QStringLiteral(": bare &");
        auto lm = linkRe.globalMatch(text);
        while (lm.hasNext()) {
            const auto m = lm.next();
            QString link = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
            if (link.isEmpty() || link.startsWith(u'#') || link.contains(QLatin1String("://")))
                continue;
            link = link.section(u'#', 0, 0).replace(QLatin1String("&amp;"), QLatin1String("&"));
            if (!QFileInfo(QFileInfo(file).dir().filePath(link)).isFile())
                broken << file + QStringLiteral(" -> ") + link;
        }
    }
    return out;
}

} // namespace

void TestSiteExport::fullDemoExport_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

void TestSiteExport::fullDemoExport()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::DemoOptions options;
    // PostgreSQL answers each statement over a socket: a smaller catalogue shows the same.
    const int asked = qEnvironmentVariableIntValue("VINTORA_SITE_PERFORMERS");
    options.performers = asked > 0 ? asked : (backend == QLatin1String("sqlite") ? 2000 : 300);
    catalogue::generateDemo(cat.connection(), options);
    ExportFixture fx(cat.connection());
    auto p = fx.params;
    p.objCount = 1000000;
    fx.setParameters(p);
    // Placeholders made by one run are written by the next; a few runs finish the site.
    int runs = 0;
    do {
        QVERIFY(fx.dm->ExportEncyclopaedia(true));
        ++runs;
    } while (!fx.dm->open(QStringLiteral("EncyclObject")).isEmpty() && runs < 5);
    QVERIFY2(fx.dm->open(QStringLiteral("EncyclObject")).isEmpty(), "work left after five runs");

    const SiteCheck check = checkSite(fx.site());
    QVERIFY(check.pages > options.performers);
    QVERIFY2(check.broken.isEmpty(), qPrintable(check.broken.mid(0, 10).join(u'\n')));
    QVERIFY2(check.markup.isEmpty(), qPrintable(check.markup.mid(0, 10).join(u'\n')));

    // Nothing marked: the next run writes index pages only.
    fx.dm->setRecordWritten(true);
    QVERIFY(fx.dm->ExportEncyclopaedia(true));
    for (const QString& written : fx.dm->writtenFiles()) {
        const QString name = QFileInfo(written).fileName();
        QVERIFY2(!name.startsWith(QLatin1String("prf")) && !name.startsWith(QLatin1String("alb")), qPrintable(written));
    }

    // Everything marked again: the pages come out as they are and their files stay untouched.
    fx.dm->setRecordWritten(false);
    const QString sample = fx.site() + TExportEncyclopaediaDM::PerformerURL(
                                           cat.connection().scalar(u"SELECT MIN(ID) FROM Performer WHERE Main IS NULL"_s).toInt());
    const QDateTime before = QFileInfo(sample).lastModified();
    {
        QFile f(sample);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(before.addSecs(-3600), QFileDevice::FileModificationTime));
    }
    for (const char* table : {"Performer", "Album"})
        cat.connection().execute(u"UPDATE "_s + QLatin1String(table) + u" SET Publication = GETDATE()"_s);
    QVERIFY(fx.dm->ExportEncyclopaedia(true));
    QCOMPARE(QFileInfo(sample).lastModified(), before.addSecs(-3600));
    QVERIFY(fx.dm->filesUnchanged() > options.performers);
    // What still changes: the index pages, and the few pages of aliases of aliases, which are
    // both a redirect and a page of their own.
    QVERIFY(fx.dm->filesWritten() * 50 < fx.dm->filesUnchanged());
}

void TestSiteExport::limitedRunLinksResolve_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

// The pages of the work list that the run does not reach still get their placeholders, so
// the pages it did write link to files that exist.
void TestSiteExport::limitedRunLinksResolve()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::DemoOptions options;
    options.performers = 60;
    catalogue::generateDemo(cat.connection(), options);
    ExportFixture fx(cat.connection());
    auto p = fx.params;
    p.objCount = 5;
    fx.setParameters(p);
    QVERIFY(fx.dm->ExportEncyclopaedia(true));
    QVERIFY(!fx.dm->open(QStringLiteral("EncyclObject")).isEmpty());
    const SiteCheck check = checkSite(fx.site());
    QVERIFY2(check.broken.isEmpty(), qPrintable(check.broken.mid(0, 10).join(u'\n')));
    bool placeholderLogged = false;
    for (const QString& line : fx.progress.lines)
        placeholderLogged = placeholderLogged || line.startsWith(QString::fromUtf8("Временная страница для альбома"));
    QVERIFY(placeholderLogged);

    // Placeholders written at the end of the walk name their objects.
    int named = 0;
    const db::RowSet left = fx.dm->open(QStringLiteral("EncyclObject"));
    for (qsizetype i = 0; i < left.size(); ++i) {
        if (left.value(i, QStringLiteral("Kind")).toString() != u"A"_s)
            continue;
        const int id = left.value(i, QStringLiteral("ID")).toInt();
        QStringList lines;
        QVERIFY(readPageLines(fx.dm->AlbumFile(id), lines));
        const QString page = lines.join(u'\n');
        QVERIFY2(!page.contains(u"страница \"\""_s), qPrintable(fx.dm->AlbumFile(id)));
        const QString title = cat.connection().scalar(u"SELECT TitleFull FROM Album WHERE ID = :ID"_s, {{u"ID"_s, id}}).toString();
        if (page.contains(u"Временно отсутствует страница \""_s) && page.contains(htmlText(title)))
            ++named;
    }
    QVERIFY(named > 0);
}

QTEST_GUILESS_MAIN(TestSiteExport)
#include "test_siteexport.moc"
