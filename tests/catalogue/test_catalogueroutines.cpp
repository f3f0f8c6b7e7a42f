// The catalogue's own routines: synonyms and album copies, on both servers.
#include "catalogue/tdmcomming.h"
#include "platform/db/routines.h"
#include "support/testcatalogue.h"

#include <QtTest>

using namespace vintora;

namespace {
int getSynonym(db::Connection& c, const QString& key)
{
    return db::callRoutine(c, QStringLiteral("ExecGetSynonym;1"), {{QStringLiteral("@VAL"), key}})
        .value(0, QStringLiteral("ID"))
        .toInt();
}
void setSynonym(db::Connection& c, int id, const QString& key)
{
    db::callRoutine(c, QStringLiteral("ExecSetSynonym;1"), {{QStringLiteral("@OBJ"), id}, {QStringLiteral("@VAL"), key}});
}
} // namespace

class TestCatalogueRoutines : public QObject {
    Q_OBJECT
private slots:
    void synonyms_data() { test::addBackendColumn(); test::addBackendRows(); }
    void synonyms()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        auto& c = cat.connection();
        QCOMPARE(getSynonym(c, QStringLiteral("P|The Beatles")), 0);
        setSynonym(c, 7, QStringLiteral("P|The Beatles"));
        setSynonym(c, 1234, QStringLiteral("A|0004D2|1971|Meddle"));
        setSynonym(c, 300, QStringLiteral("T|00012C|0A|Echoes"));
        setSynonym(c, 9, QStringLiteral("S|EMI"));
        QCOMPARE(getSynonym(c, QStringLiteral("P|The Beatles")), 7);
        QCOMPARE(getSynonym(c, QStringLiteral("P|the beatles")), 0);
        QCOMPARE(getSynonym(c, QStringLiteral("A|0004D2|1971|Meddle")), 1234);
        QCOMPARE(getSynonym(c, QStringLiteral("T|00012C|0A|Echoes")), 300);
        // Setting a key again points it elsewhere.
        setSynonym(c, 8, QStringLiteral("P|The Beatles"));
        QCOMPARE(getSynonym(c, QStringLiteral("P|The Beatles")), 8);
        // Long keys are compared whole: two texts alike in their first 600 characters stay apart.
        const QString common(600, QLatin1Char('x'));
        setSynonym(c, 1, QStringLiteral("P|") + common + QStringLiteral("one"));
        setSynonym(c, 2, QStringLiteral("P|") + common + QStringLiteral("two"));
        QCOMPARE(getSynonym(c, QStringLiteral("P|") + common + QStringLiteral("one")), 1);
        QCOMPARE(getSynonym(c, QStringLiteral("P|") + common + QStringLiteral("two")), 2);
        // The catalogue itself refuses a second row of one key (two programs setting it at once).
        QVERIFY_THROWS_EXCEPTION(db::DbError, c.execute(QStringLiteral("INSERT INTO Synonym (Kind, Object, \"Key\") VALUES ('P', 3, :K)"),
                                                        {{QStringLiteral("K"), QStringLiteral("P|The Beatles")}}));
        // Deleting by object and kind: a firm's kind letter F removes its S| keys.
        db::callRoutine(c, QStringLiteral("ExecDelSynonym;1"), {{QStringLiteral("@OBJ"), 8}, {QStringLiteral("@VAL"), QStringLiteral("A")}});
        QCOMPARE(getSynonym(c, QStringLiteral("P|The Beatles")), 8);
        db::callRoutine(c, QStringLiteral("ExecDelSynonym;1"), {{QStringLiteral("@OBJ"), 8}, {QStringLiteral("@VAL"), QStringLiteral("P")}});
        QCOMPARE(getSynonym(c, QStringLiteral("P|The Beatles")), 0);
        catalogue::TdmComming dm(db::Connection::open(cat.url()));
        dm.DeleteSynonyms(9, QStringLiteral("F"));
        QCOMPARE(getSynonym(c, QStringLiteral("S|EMI")), 0);
        QCOMPARE(getSynonym(c, QStringLiteral("A|0004D2|1971|Meddle")), 1234);
    }

    void albumCopies_data() { test::addBackendColumn(); test::addBackendRows(); }
    void albumCopies()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        catalogue::TdmComming dm(db::Connection::open(cat.url()));
        auto& c = dm.cnVintora();
        c.execute(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (1, 'Pink Floyd'), (2, 'Gilmour')"));
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Kind, Title, RecordYear, Notes) VALUES (1, 1, 1, 'Meddle', '1971', 'n')"));
        c.execute(QStringLiteral("INSERT INTO Track (Album, Number, Title, Length) VALUES (1, 1, 'One of These Days', '5:57'), "
                                 "(1, 2, 'Echoes', '23:31')"));
        c.execute(QStringLiteral("INSERT INTO AlbumRole (Album, Performer, Role) VALUES (1, 2, 'гитара')"));
        c.execute(QStringLiteral("INSERT INTO AlbumIssue (ID, Album, Kind) VALUES (1, 1, 'LP')"));

        const int copy = dm.CloneAlbum(1);
        QCOMPARE(copy, 2);
        QCOMPARE(c.scalar(QStringLiteral("SELECT EditMaster FROM Album WHERE ID = 2")).toInt(), 1);
        QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM Track WHERE Album = 2")).toInt(), 2);
        QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM AlbumRole WHERE Album = 2")).toInt(), 1);
        QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM AlbumIssue WHERE Album = 2")).toInt(), 0);
        // A clone of an edition belongs to the same main edition.
        QCOMPARE(dm.CloneAlbum(2), 3);
        QCOMPARE(c.scalar(QStringLiteral("SELECT EditMaster FROM Album WHERE ID = 3")).toInt(), 1);
        QVERIFY_THROWS_EXCEPTION(db::DbError, dm.CloneAlbum(99));

        // Copy from the master fills what the edition lacks and keeps what it has.
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Kind, Title, EditMaster, RecordYear) VALUES (4, 1, 1, 'Meddle', 1, '1972')"));
        c.execute(QStringLiteral("INSERT INTO Track (Album, Number, Title) VALUES (4, 1, 'Own track')"));
        dm.CopyAlbumFromMaster(4);
        QCOMPARE(c.scalar(QStringLiteral("SELECT RecordYear FROM Album WHERE ID = 4")).toString(), QStringLiteral("1972"));
        QCOMPARE(c.scalar(QStringLiteral("SELECT Notes FROM Album WHERE ID = 4")).toString(), QStringLiteral("n"));
        QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM Track WHERE Album = 4")).toInt(), 1);
        QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM AlbumRole WHERE Album = 4")).toInt(), 1);
        // An album without a master is left alone.
        dm.CopyAlbumFromMaster(1);
        QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM Track WHERE Album = 1")).toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueRoutines)
#include "test_catalogueroutines.moc"
