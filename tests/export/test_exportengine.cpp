// The export engine: letter codes, the region writer, folder markers, escaping and code page,
// publication marks and the limits of the runs.
#include "exportfixture.h"

#include "export/exportabort.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using namespace vintora;
using namespace vintora::export_;
using vintora::test::ExportFixture;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestExportEngine : public QObject {
    Q_OBJECT
private slots:
    void letterCode_data();
    void letterCode();
    void escapingAndCodePage();
    void splitLinesEndings();
    void writeRegion_data();
    void writeRegion();
    void writeRegionFailuresLeaveTarget();
    void markPublicFolder();
    void pathsAndRedirect();
    void objCountZero_data();
    void objCountZero();
    void singleObjectExportLeavesMark_data();
    void singleObjectExportLeavesMark();
    void workListDueAndSpread_data();
    void workListDueAndSpread();
    void abortIsLoggedNotRaised();
};

void TestExportEngine::letterCode_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("code");
    QTest::newRow("one") << qint64(1) << 4 << QStringLiteral("aaab");
    QTest::newRow("27/3") << qint64(27) << 3 << QStringLiteral("abb");
    QTest::newRow("A") << qint64(65) << 2 << QStringLiteral("cn");
    QTest::newRow("zero") << qint64(0) << 4 << QStringLiteral("aaaa");
    QTest::newRow("26") << qint64(26) << 4 << QStringLiteral("aaba");
    QTest::newRow("wraps") << qint64(26 * 26 * 26 * 26 + 1) << 4 << QStringLiteral("aaab");
    QTest::newRow("k0") << qint64(5) << 0 << QString();
    QTest::newRow("track") << qint64(3) << 5 << QStringLiteral("aaaad");
}

void TestExportEngine::letterCode()
{
    QFETCH(qint64, n);
    QFETCH(int, k);
    QFETCH(QString, code);
    QCOMPARE(LetterCode(n, k), code);
}

void TestExportEngine::escapingAndCodePage()
{
    QCOMPARE(htmlText(QStringLiteral("<b>&Co \"x\"")), QStringLiteral("&lt;b&gt;&amp;Co \"x\""));
    QCOMPARE(htmlAttr(QStringLiteral("a\"b'c<&")), QStringLiteral("a&quot;b&#39;c&lt;&amp;"));
    // Cyrillic and the typographic signs of the code page stay bytes; others become references.
    const QString text = u"Ёж — «x» ℗ 😀"_s;
    const QByteArray bytes = encodePage(text);
    QCOMPARE(bytes, QByteArray("\xA8\xE6 \x97 \xAB" "x\xBB &#8471; &#128512;"));
    QCOMPARE(decodePage(QByteArray("\xA8\xE6")), u"Ёж"_s);
    QCOMPARE(TExportEncyclopaediaDM::LetterOfChar(u"А"_s), LetterCode(192, 2));
}

void TestExportEngine::splitLinesEndings()
{
    QCOMPARE(splitLines(QStringLiteral("a\r\nb\rc\nd")), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    QCOMPARE(splitLines(QStringLiteral("a\r\n\r\n")), (QStringList{u"a"_s, u""_s}));
    QCOMPARE(splitLines(QString()), QStringList());
}

void TestExportEngine::writeRegion_data()
{
    QTest::addColumn<QByteArray>("templateText");
    QTest::addColumn<QByteArray>("existing"); // empty: no target yet
    QTest::addColumn<bool>("fromTemplate");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray tpl = QByteArray("head\r\n<!-- Vintora EAB -->\r\nold\r\n<!-- Vintora EAE -->\r\ntail\r\n");
    QTest::newRow("fills the template") << tpl << QByteArray() << true
                                        << QByteArray("head\r\n<!-- Vintora EAB -->\r\nL1\r\nL2\r\n<!-- Vintora EAE -->\r\ntail\r\n");
    QTest::newRow("no begin marker copies the template") << QByteArray("a\nb") << QByteArray() << true
                                                         << QByteArray("a\r\nb\r\n");
    QTest::newRow("hand edits outside the region survive")
        << tpl << QByteArray("edited head\r\n<!-- Vintora EAB -->\r\nstale\r\n<!-- Vintora EAE -->\r\nmy note\n") << false
        << QByteArray("edited head\r\n<!-- Vintora EAB -->\r\nL1\r\nL2\r\n<!-- Vintora EAE -->\r\nmy note\r\n");
    QTest::newRow("a begin marker found twice gets the lines twice")
        << QByteArray("<!-- Vintora EAB -->\rx\r<!-- Vintora EAE -->\r<!-- Vintora EAB -->\r<!-- Vintora EAE -->\r")
        << QByteArray() << true
        << QByteArray("<!-- Vintora EAB -->\r\nL1\r\nL2\r\n<!-- Vintora EAE -->\r\n<!-- Vintora EAB -->\r\nL1\r\nL2\r\n"
                      "<!-- Vintora EAE -->\r\n");
    QTest::newRow("markers found as part of a line") << QByteArray("<div><!-- Vintora EAB --></div>\nx\n  <!-- Vintora EAE -->")
                                                     << QByteArray() << true
                                                     << QByteArray("<div><!-- Vintora EAB --></div>\r\nL1\r\nL2\r\n  <!-- Vintora EAE -->\r\n");
}

void TestExportEngine::writeRegion()
{
    QFETCH(QByteArray, templateText);
    QFETCH(QByteArray, existing);
    QFETCH(bool, fromTemplate);
    QFETCH(QByteArray, expected);
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    const QString tpl = fx.dir.path() + QStringLiteral("/t.htm");
    const QString target = fx.site() + QStringLiteral("x/y/page.htm");
    writeFile(tpl, templateText);
    if (!existing.isEmpty())
        writeFile(target, existing);
    fx.dm->WriteRegion(target, marker::EAB(), marker::EAE(), fromTemplate, tpl, {QStringLiteral("L1"), QStringLiteral("L2")});
    QCOMPARE(readFile(target), expected);
}

void TestExportEngine::writeRegionFailuresLeaveTarget()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    const QString target = fx.site() + QStringLiteral("page.htm");
    const QByteArray before = QByteArray("keep\r\n<!-- Vintora EAB -->\r\nold\r\n");
    writeFile(target, before);
    // End marker missing: nothing is written.
    try {
        fx.dm->WriteRegion(target, marker::EAB(), marker::EAE(), false, {}, {QStringLiteral("new")});
        QFAIL("no abort");
    } catch (const ExportAbort& a) {
        QCOMPARE(a.message(), u"В файле %1 отсутствует разделитель <!-- Vintora EAE -->"_s.arg(target));
    }
    QCOMPARE(readFile(target), before);
    // Missing template for a new page.
    const QString fresh = fx.site() + QStringLiteral("new.htm");
    try {
        fx.dm->WriteRegion(fresh, marker::EAB(), marker::EAE(), true, QStringLiteral("/nonexistent.htm"), {});
        QFAIL("no abort");
    } catch (const ExportAbort& a) {
        QCOMPARE(a.message(), u"Для файла %1 отсутсвует шаблон /nonexistent.htm"_s.arg(fresh));
    }
    QVERIFY(!QFile::exists(fresh));
    // A folder that cannot be created (a file stands in its way).
    writeFile(fx.site() + QStringLiteral("blocker"), QByteArray("x"));
    const QString blocked = fx.site() + QStringLiteral("blocker/page.htm");
    try {
        fx.dm->WriteRegion(blocked, marker::EAB(), marker::EAE(), true, fx.params.alpha, {});
        QFAIL("no abort");
    } catch (const ExportAbort& a) {
        QCOMPARE(a.message(), u"Для файла %1 произошла ошибка создания папки"_s.arg(blocked));
    }
    // No temporary file is left beside a target after a good write.
    fx.dm->WriteRegion(fresh, marker::EAB(), marker::EAE(), true, fx.params.alpha, {QStringLiteral("ok")});
    QCOMPARE(QDir(fx.site()).entryList({QStringLiteral("*.vintora-new")}, QDir::Files), QStringList());
}

void TestExportEngine::markPublicFolder()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.dm->BeginExport();
    const QString performer = fx.dm->PerformerFile(12345);
    QCOMPARE(performer.mid(fx.site().size()), QStringLiteral("a/s/g/prfv.htm"));
    fx.dm->MarkPublicFolder(performer);
    QVERIFY(QFile::exists(fx.site() + QStringLiteral("a/s/_public.web")));
    QVERIFY(!QFile::exists(fx.site() + QStringLiteral("a/s/g/_public.web")));
    fx.dm->MarkPublicFolder(fx.site() + QStringLiteral("index/ab.htm"));
    QVERIFY(QFile::exists(fx.site() + QStringLiteral("index/_public.web")));
    // An existing marker is left alone.
    writeFile(fx.site() + QStringLiteral("firm/_public.web"), QByteArray("mine"));
    fx.dm->MarkPublicFolder(fx.site() + QStringLiteral("firm/index.htm"));
    QCOMPARE(readFile(fx.site() + QStringLiteral("firm/_public.web")), QByteArray("mine"));
    fx.dm->EndExport();
}

void TestExportEngine::pathsAndRedirect()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.dm->BeginExport();
    QCOMPARE(TExportEncyclopaediaDM::AlbumURL(1), QStringLiteral("a/a/a/albb.htm"));
    QCOMPARE(fx.dm->FirmFile(27).mid(fx.site().size()), QStringLiteral("firm/abb.htm"));
    QCOMPARE(fx.dm->GenreFile(0).mid(fx.site().size()), QStringLiteral("genre/aaa.htm"));
    QCOMPARE(fx.dm->AlphaFile(QStringLiteral("A")).mid(fx.site().size()), QStringLiteral("index/cn.htm"));
    QCOMPARE(fx.dm->redirectURL(1), QStringLiteral("../../../a/a/a/prfb.htm"));
    auto p = fx.params;
    p.siteHost = QStringLiteral("music.example.org");
    fx.setParameters(p);
    QCOMPARE(fx.dm->redirectURL(1), QStringLiteral("http://music.example.org/index/a/a/a/prfb.htm"));
    fx.dm->EndExport();
}

void TestExportEngine::objCountZero_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

// The limit is tested before each row against pages already written: with 0, the run goes
// through genre and firm rows and stops after the first performer or album page.
void TestExportEngine::objCountZero()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    ExportFixture fx(cat.connection());
    fx.exec(QStringLiteral("INSERT INTO Genre (ID, Name, Publication) VALUES (1, 'Rock', '2000-01-01T00:00:00.000')"));
    for (int id : {1, 2, 3})
        fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName, Publication) VALUES (%1, 'P%1', '2000-01-0%1T00:00:00.000')")
                    .arg(id));
    auto p = fx.params;
    p.objCount = 0;
    fx.setParameters(p);
    QVERIFY(fx.dm->ExportEncyclopaedia(false));
    QCOMPARE(fx.dm->pageCount(), 1);
    const int left = cat.connection().scalar(QStringLiteral("SELECT COUNT(*) FROM Performer WHERE Publication IS NOT NULL")).toInt();
    QCOMPARE(left, 2);
    QVERIFY(cat.connection().scalar(QStringLiteral("SELECT Publication FROM Performer WHERE ID = 1")).isNull());
    QVERIFY(cat.connection().scalar(QStringLiteral("SELECT Publication FROM Genre WHERE ID = 1")).isNull());
    QVERIFY(QFile::exists(fx.site() + QStringLiteral("genre/aab.htm")));
}

void TestExportEngine::singleObjectExportLeavesMark_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

void TestExportEngine::singleObjectExportLeavesMark()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    ExportFixture fx(cat.connection());
    fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (1, 'Solo')"));
    fx.exec(QStringLiteral("INSERT INTO Album (ID, Performer, Title) VALUES (5, 1, 'One')"));
    QString opened;
    fx.dm->setOpenPage([&](const QString& page) { opened = page; });
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    QVERIFY(fx.dm->ExportObject(QStringLiteral("A5")));
    QCOMPARE(opened, fx.site() + QStringLiteral("a/a/a/albf.htm"));
    QVERIFY(QFile::exists(opened));
    const QDateTime mark = db::Connection::toDateTime(cat.connection().scalar(QStringLiteral("SELECT Publication FROM Album WHERE ID = 5")));
    QVERIFY(mark.isValid());
    QVERIFY(mark >= before && mark <= QDateTime::currentDateTime().addSecs(2));
    // No index page is written by a single-object export.
    QVERIFY(!QFile::exists(fx.site() + QStringLiteral("index/index.htm")));
}

void TestExportEngine::workListDueAndSpread_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

// Due means marked and not later than now; a spread mark lies 1 to 29 days ahead.
void TestExportEngine::workListDueAndSpread()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    ExportFixture fx(cat.connection());
    fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (1, 'Main')"));
    fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName, Main) VALUES (2, 'Alias', 1)"));
    fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (3, 'Later')"));
    fx.exec(QStringLiteral("INSERT INTO Firm (ID, Name) VALUES (4, 'Label')"));
    fx.dm->MarkPublication(QStringLiteral("P"), 2, false);
    fx.dm->MarkPublication(QStringLiteral("P"), 3, true);
    fx.dm->MarkPublication(QStringLiteral("S"), 4, false);
    const db::RowSet work = fx.dm->open(QStringLiteral("EncyclObject"));
    QStringList keys;
    for (qsizetype i = 0; i < work.size(); ++i)
        keys << work.value(i, QStringLiteral("Kind")).toString() + work.value(i, QStringLiteral("ID")).toString();
    // The alias only loses its mark, and brings its main performer whose page writes the redirect.
    QCOMPARE(keys, (QStringList{u"L2"_s, u"S4"_s, u"P1"_s}));
    const QDateTime spread = db::Connection::toDateTime(cat.connection().scalar(QStringLiteral("SELECT Publication FROM Performer WHERE ID = 3")));
    QVERIFY(spread > QDateTime::currentDateTime().addSecs(23 * 3600));
    QVERIFY(spread < QDateTime::currentDateTime().addDays(30));
    fx.dm->ResetPublication(QStringLiteral("P"), 3);
    QVERIFY(cat.connection().scalar(QStringLiteral("SELECT Publication FROM Performer WHERE ID = 3")).isNull());
}

void TestExportEngine::abortIsLoggedNotRaised()
{
    auto cat = std::make_unique<test::TestCatalogue>(QStringLiteral("sqlite"));
    ExportFixture fx(cat->connection());
    fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName, Publication) VALUES (1, 'X', '2000-01-01T00:00:00.000')"));
    const QString broken = fx.dir.path() + QStringLiteral("/broken.htm");
    writeFile(broken, QByteArray("<!-- Vintora ETB -->\n<!-- Vintora ETE -->\n<!-- Vintora EPB -->\n"));
    auto p = fx.params;
    p.performer = broken;
    fx.setParameters(p);
    QVERIFY(!fx.dm->ExportEncyclopaedia(true));
    QVERIFY(fx.progress.lines.last().startsWith(u"В файле "_s));
    QVERIFY(!fx.dm->inRun());
}

QTEST_GUILESS_MAIN(TestExportEngine)
#include "test_exportengine.moc"
