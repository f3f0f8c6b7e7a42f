// A full export of a demo catalogue: every relative link resolves, no catalogue text is left
// as markup, and a run with nothing marked writes no performer or album page.
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
    void fullDemoExport();
};

void TestSiteExport::fullDemoExport()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    catalogue::DemoOptions options;
    options.performers = qEnvironmentVariableIntValue("VINTORA_SITE_PERFORMERS") > 0
                             ? qEnvironmentVariableIntValue("VINTORA_SITE_PERFORMERS")
                             : 2000;
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

    static const QSet<QString> tags{u"html"_s, u"head"_s, u"meta"_s, u"title"_s, u"style"_s, u"body"_s, u"div"_s, u"table"_s, u"tr"_s, u"td"_s, u"ul"_s,
                                    u"li"_s, u"a"_s, u"h1"_s, u"h2"_s, u"h3"_s, u"h4"_s, u"p"_s, u"b"_s, u"hr"_s, u"img"_s, u"pre"_s, u"iframe"_s, u"br"_s};
    const QRegularExpression tagRe(QStringLiteral("</?([A-Za-z0-9!]+)"));
    const QRegularExpression linkRe(QStringLiteral("(?:href|src)=\"([^\"]*)\"|URL=([^\"]*)\""));
    const QRegularExpression ampRe(QStringLiteral("&(?!(amp|lt|gt|quot|nbsp|#[0-9]+);)"));
    int pages = 0;
    QStringList broken, markup;
    QDirIterator it(fx.site(), {QStringLiteral("*.htm")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        ++pages;
        QStringList lines;
        QVERIFY(readPageLines(file, lines));
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
    QVERIFY(pages > options.performers);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 10).join(u'\n')));
    QVERIFY2(markup.isEmpty(), qPrintable(markup.mid(0, 10).join(u'\n')));

    // Nothing marked: the next run writes index pages only.
    fx.dm->setRecordWritten(true);
    QVERIFY(fx.dm->ExportEncyclopaedia(true));
    for (const QString& written : fx.dm->writtenFiles()) {
        const QString name = QFileInfo(written).fileName();
        QVERIFY2(!name.startsWith(QLatin1String("prf")) && !name.startsWith(QLatin1String("alb")), qPrintable(written));
    }
}

QTEST_GUILESS_MAIN(TestSiteExport)
#include "test_siteexport.moc"
