// The demo catalogue: deterministic, consistent, and complete enough to exercise every window.
#include "catalogue/demogenerator.h"
#include "support/testcatalogue.h"

#include <QtTest>

using namespace vintora;

namespace {
QStringList fingerprint(db::Connection& c)
{
    QStringList rows;
    for (const QVariantList& r : c.select(QStringLiteral("SELECT ID, NameFull FROM Performer ORDER BY ID")).rows)
        rows << r[0].toString() + QLatin1Char('|') + r[1].toString();
    for (const QVariantList& r : c.select(QStringLiteral("SELECT ID, Performer, Kind, TitleFull FROM Album ORDER BY ID")).rows)
        rows << r[0].toString() + QLatin1Char('|') + r[1].toString() + QLatin1Char('|') + r[2].toString() + QLatin1Char('|') + r[3].toString();
    return rows;
}
int count(db::Connection& c, const char* sql)
{
    return c.scalar(QString::fromLatin1(sql)).toInt();
}
} // namespace

class TestDemo : public QObject {
    Q_OBJECT
private slots:
    void filledAndConsistent_data() { test::addBackendColumn(); test::addBackendRows(); }
    void filledAndConsistent()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        auto& c = cat.connection();
        const catalogue::DemoCounts n = catalogue::generateDemo(c, {300, 7, {}});
        QCOMPARE(n.performers, 300);
        QCOMPARE(count(c, "SELECT COUNT(*) FROM Performer"), 300);
        QVERIFY(n.albums > 300);
        // Every kind of album, editions, aliases, links, credits, lyrics, media, files, both alphabets.
        QCOMPARE(count(c, "SELECT COUNT(DISTINCT Kind) FROM Album"), 12);
        QVERIFY(count(c, "SELECT COUNT(*) FROM Album WHERE EditMaster IS NOT NULL") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM Performer WHERE Main IS NOT NULL") > 0);
        // A name variant of a name variant would be a redirect page and a full page at once.
        QCOMPARE(count(c, "SELECT COUNT(*) FROM Performer p JOIN Performer m ON m.ID = p.Main WHERE m.Main IS NOT NULL"), 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM PerformerLink") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM AlbumRole") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM AlbumIssueLabel") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM Track WHERE Lyrics IS NOT NULL") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM Medium") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM MediumMpegFile") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM FirmParent") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM Genre WHERE \"Union\" IS NOT NULL") > 0);
        QVERIFY(count(c, "SELECT COUNT(*) FROM Performer WHERE Picture IS NOT NULL") > 0);
        QVERIFY(c.scalar(QStringLiteral("SELECT COUNT(*) FROM Performer WHERE LastName LIKE :L"), {{QStringLiteral("L"), QStringLiteral("%о%")}}).toInt() > 0);
        // Everything is marked for publication.
        for (const char* t : {"Performer", "Album", "Firm", "Genre"})
            QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Publication IS NULL").arg(QString::fromLatin1(t))).toInt(), 0);
        if (c.dialect() == db::Dialect::SQLite) {
            QCOMPARE(c.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
            QVERIFY(c.select(QStringLiteral("PRAGMA foreign_key_check")).isEmpty());
        }
    }

    void sameSeedSameCatalogue()
    {
        test::TestCatalogue a(QStringLiteral("sqlite")), b(QStringLiteral("sqlite")), d(QStringLiteral("sqlite"));
        catalogue::generateDemo(a.connection(), {120, 42, {}});
        catalogue::generateDemo(b.connection(), {120, 42, {}});
        catalogue::generateDemo(d.connection(), {120, 43, {}});
        QCOMPARE(fingerprint(a.connection()), fingerprint(b.connection()));
        QVERIFY(fingerprint(a.connection()) != fingerprint(d.connection()));
        // A second run adds after what is there.
        catalogue::generateDemo(a.connection(), {10, 1, {}});
        QCOMPARE(a.connection().scalar(QStringLiteral("SELECT COUNT(*) FROM Performer")).toInt(), 130);
    }
};

QTEST_GUILESS_MAIN(TestDemo)
#include "test_demo.moc"
