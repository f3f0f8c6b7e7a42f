// The synonym store from the client side, on both database servers: keys by kind, whole-key
// lookups of any length, deletes by object and kind.
#include "catalogue/tdmcomming.h"
#include "support/testcatalogue.h"
#include "text/tsynonymdm.h"

#include <QTest>

using namespace vintora;
using text::TSynonymDM;

namespace {
QString u8(const char* s)
{
    return QString::fromUtf8(s);
}
} // namespace

class TestSynonyms : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void setThenGet_data() { test::addBackendColumn(); test::addBackendRows(); }
    void setThenGet();
    void longKeysStayApart_data() { test::addBackendColumn(); test::addBackendRows(); }
    void longKeysStayApart();
    void deleteByObjectAndKind_data() { test::addBackendColumn(); test::addBackendRows(); }
    void deleteByObjectAndKind();
    void moduleFollowsTheCentralModule_data() { test::addBackendColumn(); test::addBackendRows(); }
    void moduleFollowsTheCentralModule();
};

void TestSynonyms::keys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("album") << TSynonymDM::albumKey(1234, u8("1971"), u8("Meddle")) << u8("A|0004D2|1971|Meddle");
    QTest::newRow("track") << TSynonymDM::trackKey(300, 10, u8("Echoes")) << u8("T|00012C|0A|Echoes");
    QTest::newRow("more digits when needed")
        << TSynonymDM::trackKey(0x1ABCDEF, 0x1FF, u8("x")) << u8("T|1ABCDEF|1FF|x");
    QTest::newRow("album, unknown year") << TSynonymDM::albumKey(0, u8("????"), u8("Кино")) << u8("A|000000|????|Кино");
    QTest::newRow("performer") << TSynonymDM::performerKey(u8("Аквариум")) << u8("P|Аквариум");
    QTest::newRow("genre") << TSynonymDM::genreKey(u8("Rock")) << u8("G|Rock");
    QTest::newRow("firm") << TSynonymDM::firmKey(u8("Мелодия")) << u8("S|Мелодия");
    QTest::newRow("negative as 32 bits") << TSynonymDM::hexDigits(-1, 6) << u8("FFFFFFFF");
}

void TestSynonyms::keys()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(key, expected);
}

void TestSynonyms::setThenGet()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    TSynonymDM synonyms(cat.connection());
    const QString album = u8("A|0004D2|1971|Meddle");
    const QString track = u8("T|00012C|0A|Echoes");
    QCOMPARE(synonyms.GetSynonym(album), 0);
    synonyms.SetSynonym(77, album);
    synonyms.SetSynonym(501, track);
    QCOMPARE(synonyms.GetSynonym(album), 77);
    QCOMPARE(synonyms.GetSynonym(track), 501);

    // Compared whole and exactly: other case, a prefix or a longer text are other keys.
    QCOMPARE(synonyms.GetSynonym(u8("A|0004D2|1971|meddle")), 0);
    QCOMPARE(synonyms.GetSynonym(u8("A|0004D2|1971|Medd")), 0);
    QCOMPARE(synonyms.GetSynonym(album + u8(" ")), 0);
    QCOMPARE(synonyms.GetSynonym(QString()), 0);

    // A new choice replaces the old one.
    synonyms.SetSynonym(78, album);
    QCOMPARE(synonyms.GetSynonym(album), 78);
    QCOMPARE(cat.connection().scalar(QStringLiteral("SELECT COUNT(*) FROM Synonym WHERE \"Key\" = :K"),
                                     {{QStringLiteral("K"), album}}).toInt(), 1);

    const QString cyrillic = u8("P|Борис Гребенщиков · «Аквариум» ёж");
    synonyms.SetSynonym(5, cyrillic);
    QCOMPARE(synonyms.GetSynonym(cyrillic), 5);
    QCOMPARE(synonyms.GetSynonym(u8("P|борис гребенщиков · «аквариум» ёж")), 0);

    // An empty key is no synonym.
    synonyms.SetSynonym(9, QString());
    QCOMPARE(synonyms.GetSynonym(QString()), 0);
}

void TestSynonyms::longKeysStayApart()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    TSynonymDM synonyms(cat.connection());
    // A folder path of a scan can be longer than the routine's declared 500 characters.
    const QString common = u8("P|/media/архив/") + QString(600, QChar(u'ж'));
    const QString first = common + u8("/первый");
    const QString second = common + u8("/второй");
    synonyms.SetSynonym(1, first);
    synonyms.SetSynonym(2, second);
    QCOMPARE(synonyms.GetSynonym(first), 1);
    QCOMPARE(synonyms.GetSynonym(second), 2);
    QCOMPARE(synonyms.GetSynonym(first.left(500)), 0);
    QCOMPARE(synonyms.GetSynonym(common), 0);
    const QVariant stored = cat.connection().scalar(QStringLiteral("SELECT \"Key\" FROM Synonym WHERE Object = 2"));
    QCOMPARE(stored.toString(), second);
}

void TestSynonyms::deleteByObjectAndKind()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TSynonymDM synonyms(dm.cnVintora());
    const QString performer = TSynonymDM::performerKey(u8("Pink Floyd"));
    const QString album = TSynonymDM::albumKey(5, u8("1971"), u8("Meddle"));
    const QString genre = TSynonymDM::genreKey(u8("Rock"));
    const QString track = TSynonymDM::trackKey(5, 1, u8("One Of These Days"));
    const QString firm = TSynonymDM::firmKey(u8("Harvest"));
    const QString otherFirm = TSynonymDM::firmKey(u8("EMI"));
    for (const QString& key : {performer, album, genre, track, firm})
        synonyms.SetSynonym(5, key);
    synonyms.SetSynonym(6, otherFirm);

    // Firms are deleted under "F" while their keys begin with "S|".
    dm.DeleteSynonyms(5, QStringLiteral("F"));
    QCOMPARE(synonyms.GetSynonym(firm), 0);
    QCOMPARE(synonyms.GetSynonym(otherFirm), 6);
    QCOMPARE(synonyms.GetSynonym(performer), 5);
    QCOMPARE(synonyms.GetSynonym(album), 5);

    // Only the kind asked for: object 5 as a performer is not object 5 as an album.
    dm.DeleteSynonyms(5, QStringLiteral("P"));
    QCOMPARE(synonyms.GetSynonym(performer), 0);
    QCOMPARE(synonyms.GetSynonym(album), 5);
    QCOMPARE(synonyms.GetSynonym(genre), 5);
    QCOMPARE(synonyms.GetSynonym(track), 5);
    dm.DeleteSynonyms(5, QStringLiteral("A"));
    dm.DeleteSynonyms(5, QStringLiteral("T"));
    QCOMPARE(synonyms.GetSynonym(album), 0);
    QCOMPARE(synonyms.GetSynonym(track), 0);
    QCOMPARE(synonyms.GetSynonym(genre), 5);
    QCOMPARE(synonyms.GetSynonym(otherFirm), 6);
}

void TestSynonyms::moduleFollowsTheCentralModule()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    VINTORA_OPEN_CATALOGUE(other, backend);
    const QString key = TSynonymDM::genreKey(u8("Джаз"));
    {
        catalogue::TdmComming dm(cat.url());
        TSynonymDM::instance().SetSynonym(3, key);
        QCOMPARE(&TSynonymDM::instance(), &TSynonymDM::instance());
        QCOMPARE(TSynonymDM::instance().GetSynonym(key), 3);
    }
    // A new central module on another catalogue: the store reads that one.
    catalogue::TdmComming dm(other.url());
    QCOMPARE(TSynonymDM::instance().GetSynonym(key), 0);
}

QTEST_MAIN(TestSynonyms)
#include "test_synonyms.moc"
