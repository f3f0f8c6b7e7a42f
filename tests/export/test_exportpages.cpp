// The HTML of the page writers, compared line by line on small catalogues.
#include "exportfixture.h"

#include <QSet>
#include <QTest>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

using namespace vintora;
using namespace vintora::export_;
using vintora::test::ExportFixture;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

const QString tableOpen =
    u"<table border=\"0\" width=\"100%\" id=\"table1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>"_s;

} // namespace

class TestExportPages : public QObject {
    Q_OBJECT
private slots:
    void performerHead_data();
    void performerHead();
    void discographyAndCredits();
    void aliasRedirect();
    void albumReleasesTracksCredits();
    void albumWithoutTexts();
    void alphaRule_data();
    void alphaRule();
    void lastChangesColumns();
    void firmIndexSections();
    void firmPage();
    void genrePages();
    void casualBold();
    void casualPick_data();
    void casualPick();
    void statisticsOnMainPage();
};

void TestExportPages::performerHead_data()
{
    QTest::addColumn<QString>("text"); // null: no biography
    QTest::addColumn<bool>("genre");
    QTest::addColumn<QStringList>("expected");
    const QString h1 = U("<h1 class=\"nmb\">&lt;b&gt;&amp;Co</h1>");
    const QString nmt = U("<p class=\"nmt\"></p>");
    const QString genreLi = U("<li>&nbsp;<a href=\"../../../genre/aab.htm\">R&amp;B</a></li>");
    QTest::newRow("no text, genre: genre list, no menu")
        << QString() << true << QStringList{tableOpen, h1, nmt, u"<ul>"_s, genreLi, u"</ul>"_s, u"</td></tr></table>"_s};
    QTest::newRow("no text, no genre") << QString() << false << QStringList{tableOpen, h1, nmt, u"</td></tr></table>"_s};
    QTest::newRow("text gives rules and paragraphs; no lists, no menu")
        << U("first <i>\n--\n——\n---\n") << false
        << QStringList{tableOpen, h1, nmt, u"<p>first &lt;i&gt;</p>"_s, u"<hr>"_s, u"<hr>"_s, u"<p>---</p>"_s, u"</td></tr></table>"_s};
}

void TestExportPages::performerHead()
{
    QFETCH(QString, text);
    QFETCH(bool, genre);
    QFETCH(QStringList, expected);
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    cat.connection().execute(QStringLiteral("INSERT INTO Performer (ID, LastName, Text) VALUES (1, :N, :T)"),
                             {{QStringLiteral("N"), QStringLiteral("<b>&Co")}, {QStringLiteral("T"), text}});
    if (genre) {
        fx.exec(QStringLiteral("INSERT INTO Genre (ID, Name) VALUES (1, 'R&B')"));
        fx.exec(QStringLiteral("INSERT INTO PerformerGenre (Performer, Genre) VALUES (1, 1)"));
    }
    fx.dm->BeginExport();
    fx.dm->WritePerformerPage(1, true, true);
    const QString page = fx.dm->PerformerFile(1);
    QCOMPARE(ExportFixture::region(page, marker::EPB(), marker::EPE()), expected);
    QCOMPARE(ExportFixture::region(page, marker::ETB(), marker::ETE()), QStringList{u"<title>&lt;b&gt;&amp;Co</title>"_s});
    QCOMPARE(fx.dm->pendingAlpha().count(QStringLiteral("#")), size_t(1));
    fx.dm->EndExport();
}

void TestExportPages::discographyAndCredits()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Performer (ID, LastName, Text) VALUES (1, 'Band', 'Bio')"));
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (2, 'Other')"));
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (3, 'Friend')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Kind, Title, RecordYear) VALUES (1, 1, 2, 'Live A', '1990')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Kind, Title, RecordYear) VALUES (2, 1, 2, 'Live B', '1991')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Kind, Title, RecordYear, EditMaster, EditDescription) "
              "VALUES (3, 1, 2, 'Live B', '1991', 2, 'remaster')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Kind, Title, RecordYear) VALUES (4, 1, 3, 'Best', '2000')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Title, RecordYear) VALUES (5, 2, 'Guest', '1995')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Title, RecordYear) VALUES (6, 2, 'Plain', '1996')"));
    fx.exec(U("INSERT INTO AlbumRole (Album, Performer, Role, SpecialGuest) VALUES (5, 1, 'vocals', 1)"));
    fx.exec(U("INSERT INTO AlbumRole (Album, Performer, Role) VALUES (6, 1, NULL)"));
    fx.exec(U("INSERT INTO PerformerLink (Performer, Link, Title) VALUES (1, 3, 1)"));
    fx.exec(U("INSERT INTO Internet (Kind, Object, Name, URL) VALUES ('P', 1, 'Site', 'http://x.org/?a=1&b=\"2\"')"));
    fx.dm->BeginExport();
    fx.dm->WritePerformerPage(1, true, true);
    const QStringList body = ExportFixture::region(fx.dm->PerformerFile(1), marker::EPB(), marker::EPE());
    const QStringList expected{
        tableOpen,
        u"<h1 class=\"nmb\">Band</h1>"_s,
        u"<p class=\"nmt\"></p>"_s,
        u"<ul>"_s,
        U("<li>&nbsp;<a href=\"#disk\">дискография</a></li>"),
        U("<li>&nbsp;<a href=\"#role\">участие в альбомах</a></li>"),
        U("<li>&nbsp;<a href=\"#see\">cмотри также</a></li>"),
        u"</ul>"_s,
        u"<p>Bio</p>"_s,
        u"</td></tr></table>"_s,
        U("<h2><a name=\"disk\"></a>Дискография:</h2>"),
        U("<h4 class=\"albtype\">Концертный альбом:</h4><ul class=\"nmt\">"),
        u"<li>&nbsp;<a href=\"../../../a/a/a/albb.htm\">Live A (1990)</a></li>"_s,
        u"<li>&nbsp;<a href=\"../../../a/a/a/albc.htm\">Live B (1991)</a></li>"_s,
        u"<ul>"_s,
        u"<li>&nbsp;<a href=\"../../../a/a/a/albd.htm\">Live B (1991) [remaster]</a></li>"_s,
        u"</ul>"_s,
        u"</ul>"_s,
        U("<h4 class=\"albtype\">Сборник:</h4><ul class=\"nmt\">"),
        u"<li>&nbsp;<a href=\"../../../a/a/a/albe.htm\">Best (2000)</a></li>"_s,
        u"</ul>"_s,
        U("<h2><a name=\"role\"></a>Участие в альбомах:</h2><ul>"),
        U("<li>&nbsp;1995: <a href=\"../../../a/a/a/albf.htm\">Guest — Other</a> — <b>vocals</b></li>"),
        U("<li>&nbsp;1996: <a href=\"../../../a/a/a/albg.htm\">Plain — Other</a></li>"),
        u"</ul>"_s,
        U("<h2><a name=\"see\"></a>Смотри также:</h2>"),
        u"<ul>"_s,
        u"<li>&nbsp;<a href=\"../../../a/a/a/prfd.htm\"><b>Friend</b></a></li>"_s,
        u"</ul>"_s,
        u"<ul>"_s,
        u"<li>&nbsp;<a href=\"http://x.org/?a=1&amp;b=&quot;2&quot;\">Site</a></li>"_s,
        u"</ul>"_s,
    };
    QCOMPARE(body, expected);
    // Every linked page exists: placeholders for those not written yet, marked for the next run.
    for (int album : {1, 2, 3, 4, 5, 6})
        QVERIFY(QFile::exists(fx.dm->AlbumFile(album)));
    QCOMPARE(ExportFixture::region(fx.dm->PerformerFile(3), marker::EPB(), marker::EPE()),
             QStringList{U("Временно отсутствует страница \"Friend\" (код: 3)")});
    QVERIFY(!cat.connection().scalar(QStringLiteral("SELECT Publication FROM Performer WHERE ID = 3")).isNull());
    fx.dm->EndExport();
}

void TestExportPages::aliasRedirect()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (1, 'Main')"));
    fx.exec(U("INSERT INTO Performer (ID, LastName, Main) VALUES (2, 'Alias \"Two\"', 1)"));
    fx.exec(U("INSERT INTO Performer (ID, LastName, Main) VALUES (3, 'Alias3', 1)"));
    fx.dm->BeginExport();
    fx.dm->WritePerformerPage(1, true, true);
    QCOMPARE(ExportFixture::region(fx.dm->PerformerFile(1), marker::EPB(), marker::EPE()).mid(1, 2),
             (QStringList{u"<h1 class=\"nmb\">Main</h1>"_s, u"<p class=\"nmt\">Alias \"Two\", Alias3</p>"_s}));
    const QString alias = fx.dm->PerformerFile(2);
    QCOMPARE(ExportFixture::region(alias, marker::ETB(), marker::ETE()),
             QStringList{u"<meta http-equiv=\"refresh\" content=\"0;URL=../../../a/a/a/prfb.htm\" />"_s});
    QCOMPARE(ExportFixture::region(alias, marker::EPB(), marker::EPE()), QStringList{u"&nbsp;"_s});
    QCOMPARE(fx.dm->pageCount(), 1);
    fx.dm->EndExport();
}

void TestExportPages::albumReleasesTracksCredits()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (1, 'Band')"));
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (2, 'Singer')"));
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (3, 'Member')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (1, 'A&M')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (2, 'Second')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Title, RecordYear) VALUES (1, 1, 'First', '1970')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Title, RecordYear, EditMaster, EditDescription) "
              "VALUES (2, 1, 'First', '1970', 1, 'CD')"));
    fx.exec(U("INSERT INTO AlbumIssue (ID, Album, IssueYear, Main) VALUES (1, 1, '1970', 1)"));
    fx.exec(U("INSERT INTO AlbumIssueLabel (Issue, Label, CatalogNumber, Main) VALUES (1, 1, 'AM <1>', 1)"));
    fx.exec(U("INSERT INTO AlbumIssueLabel (Issue, Label, CatalogNumber) VALUES (1, 2, NULL)"));
    fx.exec(U("INSERT INTO AlbumIssue (ID, Album, IssueYear) VALUES (2, 1, '1971')"));
    fx.exec(U("INSERT INTO AlbumIssue (ID, Album, IssueYear) VALUES (3, 2, '1990')"));
    fx.exec(U("INSERT INTO Track (Album, Number, Title, Length) VALUES (1, 1, 'Song', '3:00')"));
    fx.exec(U("INSERT INTO Track (ID, Album, Number, Title, Lyrics, Authors) VALUES (20, 1, 2, 'Words', 'la <la>', 'A. Writer')"));
    fx.exec(U("INSERT INTO Track (ID, Album, Number, Title) VALUES (30, 1, 3, 'Clip')"));
    fx.exec(U("INSERT INTO Internet (Kind, Object, URL) VALUES ('T', 30, 'https://v.example/e/1')"));
    fx.exec(U("INSERT INTO Track (Album, Number, SubNumber, Title) VALUES (1, 4, '+', '')"));
    fx.exec(U("INSERT INTO Track (Album, Number, Title) VALUES (1, 5, 'Extra')"));
    fx.exec(U("INSERT INTO AlbumRole (Album, Performer, Role, SpecialGuest) VALUES (1, 2, 'vocals', 1)"));
    fx.exec(U("INSERT INTO AlbumRole (Album, Performer, Role, Master) VALUES (1, 3, 'bass', 1)"));
    fx.exec(U("INSERT INTO AlbumRole (Album, Performer, Role) VALUES (1, 1, NULL)"));
    fx.dm->BeginExport();
    fx.dm->WriteAlbumPage(1, true);
    const QStringList body = ExportFixture::region(fx.dm->AlbumFile(1), marker::ELB(), marker::ELE());
    const QStringList expected{
        u"<h1>First (1970)</h1>"_s,
        u"<h3><a href=\"../../../a/a/a/prfb.htm\">Band</a></h3>"_s,
        U("<p class=\"rl\">&#8471; 1970<a href=\"../../../firm/aab.htm#iaaab\"> A&amp;M</a>  AM &lt;1&gt; / © "
          "<a href=\"../../../firm/aac.htm#iaaab\">Second</a> </p>"),
        u"<p class=\"rll\">&#8471; 1971</p>"_s,
        u"<p class=\"rll\">&#8471; 1990: <a href=\"../../../a/a/a/albc.htm\">CD</a></p>"_s,
        u"<ul>"_s,
        u"<li>&nbsp;1. Song [3:00]</li>"_s,
        u"<li>&nbsp;2. <a href=\"#aaaau\">Words</a></li>"_s,
        u"<li>&nbsp;3. <a href=\"#aaabe\">Clip</a></li>"_s,
        u"</ul><p class=\"nmm\">bonus: </p><ul class=\"nmt\">"_s,
        u"<li>&nbsp;5. Extra</li>"_s,
        u"</ul>"_s,
        U("<h2><a name=\"role\"></a>Участие в альбоме:</h2><ul>"),
        U("<li>&nbsp;<a href=\"../../../a/a/a/prfc.htm\"><b>Singer</b></a> — vocals</li>"),
        u"<li>&nbsp;<a href=\"../../../a/a/a/prfb.htm\">Band</a></li>"_s,
        u"<ul>"_s,
        U("<li>&nbsp;<a href=\"../../../a/a/a/prfd.htm\">Member</a> — bass</li>"),
        u"</ul>"_s,
        u"</ul>"_s,
        U("<h2>Тексты и видео:</h2>"),
        u"<a name=\"aaaau\"></a><h3 class=\"texthead\">Words</h3><p class=\"autor\">A. Writer</p>"_s,
        u"<pre>la &lt;la&gt;</pre>"_s,
        u"<a name=\"aaabe\"></a><h3>Clip</h3>"_s,
        u"<iframe width=\"640\" height=\"360\" src=\"https://v.example/e/1\" frameborder=\"0\" allowfullscreen></iframe>"_s,
    };
    QCOMPARE(body, expected);
    // The performer's page was written first, without resetting its mark.
    QVERIFY(QFile::exists(fx.dm->PerformerFile(1)));
    QCOMPARE(fx.dm->pageCount(), 2);
    QVERIFY(fx.dm->pendingFirms().count(QStringLiteral("1")) == 1 && fx.dm->pendingFirms().count(QStringLiteral("2")) == 1);
    fx.dm->EndExport();
}

void TestExportPages::albumWithoutTexts()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (1, 'Band')"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Title, Notes) VALUES (1, 1, 'T', 'Note\n--')"));
    fx.exec(U("INSERT INTO Track (Album, Number, SubNumber, Title) VALUES (1, 1, '0', 'Side A')"));
    fx.exec(U("INSERT INTO Track (Album, Number, Title) VALUES (1, 2, 'Song')"));
    fx.dm->BeginExport();
    fx.dm->WriteAlbumPage(1, false);
    QCOMPARE(ExportFixture::region(fx.dm->AlbumFile(1), marker::ELB(), marker::ELE()),
             (QStringList{u"<h1>T</h1>"_s, u"<h3><a href=\"../../../a/a/a/prfb.htm\">Band</a></h3>"_s, tableOpen, u"<p>Note</p>"_s,
                          u"<hr>"_s, u"</td></tr></table>"_s, u"<ul>"_s, u"<h3 class=\"trackhead\">Side A</h3>"_s,
                          u"<li>&nbsp;2. Song</li>"_s, u"</ul>"_s}));
    fx.dm->EndExport();
}

void TestExportPages::alphaRule_data()
{
    QTest::addColumn<int>("titles");
    QTest::addColumn<int>("roles");
    QTest::addColumn<bool>("tabbed");
    QTest::newRow("20 and 20: plain") << 20 << 20 << false;
    QTest::newRow("21 by title: tabs") << 21 << 0 << true;
    QTest::newRow("21 by credit: tabs") << 1 << 21 << true;
    QTest::newRow("none: no page") << 0 << 0 << false;
}

void TestExportPages::alphaRule()
{
    QFETCH(int, titles);
    QFETCH(int, roles);
    QFETCH(bool, tabbed);
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    int id = 1;
    for (int i = 0; i < titles; ++i, ++id) {
        fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (%1, 'B%2')").arg(id).arg(QChar(u'a' + i % 3)));
        fx.exec(QStringLiteral("INSERT INTO Album (ID, Performer, Title) VALUES (%1, %1, 'x')").arg(id));
    }
    for (int i = 0; i < roles; ++i, ++id)
        fx.exec(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (%1, 'B%2z')").arg(id).arg(i));
    fx.dm->BeginExport();
    fx.dm->WriteAlphaPage(QStringLiteral("B"));
    const QString page = fx.dm->AlphaFile(QStringLiteral("B"));
    QCOMPARE(page.mid(fx.site().size()), QStringLiteral("index/co.htm"));
    if (titles + roles == 0) {
        QVERIFY(!QFile::exists(page));
        return;
    }
    const QStringList body = ExportFixture::region(page, marker::EAB(), marker::EAE());
    if (tabbed) {
        QVERIFY(body.first().startsWith(QStringLiteral("<div id=\"menufirm\">")));
        const QString tab = u"<div id=\"menufirm\"><a name=\"cn\"></a>BA |"_s;
        QVERIFY(std::any_of(body.begin(), body.end(), [&](const QString& l) { return l.startsWith(tab); }));
    } else {
        QCOMPARE(body.at(0), QStringLiteral("<table border=\"0\" width=\"1%\"><tr><td><h1 class=\"alpha\">B</h1></td></tr></table>"));
        QCOMPARE(body.at(1), QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td  width=\"50%\" valign=\"top\">"));
        QCOMPARE(body.at(3), QStringLiteral("<li>&nbsp;<a href=\"../a/a/a/prfb.htm\">Ba</a> (1)</li>"));
        QCOMPARE(body.count(QStringLiteral("</td><td width=\"50%\" valign=\"top\">")), 1);
        QCOMPARE(body.last(), QStringLiteral("</td></tr></table>"));
    }
    fx.dm->EndExport();
}

void TestExportPages::lastChangesColumns()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.dm->BeginExport();
    fx.dm->AddLastLink(QStringLiteral("<a href=\"../one\">1</a>"), true);
    fx.dm->AddLastLink(QStringLiteral("<a href=\"../two\">2</a>"), true);
    fx.dm->AddLastLink(QStringLiteral("<a href=\"../three\">3</a>"), false);
    fx.dm->AddLastLink(QStringLiteral("<a href=\"../four\">4</a>"), false);
    fx.dm->AddLastLink(QStringLiteral("<a href=\"../one\">1</a>"), true); // written again: moves up
    fx.dm->WriteIndexPage();
    const QStringList body = ExportFixture::region(fx.site() + QStringLiteral("index/index.htm"), marker::ESB(), marker::ESE());
    QCOMPARE(body, (QStringList{piece::table50(), u"<ul>"_s, u"<li>&nbsp;<a href=\"../one\">1</a></li>"_s,
                                u"<li>&nbsp;<a href=\"../two\">2</a></li>"_s, u"<li>&nbsp;<a href=\"../four\">4</a></li>"_s,
                                piece::nextColumn(), u"<li>&nbsp;<a href=\"../three\">3</a></li>"_s, piece::endTable()}));
    QVERIFY(QFile::exists(fx.site() + QStringLiteral("index/_public.web")));
    fx.dm->EndExport();
}

void TestExportPages::firmIndexSections()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (1, '4AD')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (2, 'Агат')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (3, 'Балкан')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (4, 'Вега')"));
    fx.dm->BeginExport();
    fx.dm->WriteFirmIndex();
    const QString menu = U("<a href=\"#\">#</a>&nbsp;<a href=\"#hk\">АБ</a>&nbsp;<a href=\"#hm\">В</a>");
    const QString half = QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td width=\"50%\" valign=\"top\">");
    const QString mid = QStringLiteral("</td><td width=\"50%\" valign=\"top\">");
    const QStringList expected{
        u"<div id=\"menufirm\"><a name=\"#\"></a># |"_s + menu + u"</div>"_s,
        u"<ul>"_s, u"<li>&nbsp;<a href=\"aab.htm\">4AD</a></li>"_s, u"</ul>"_s,
        U("<div id=\"menufirm\"><a name=\"hk\"></a>АБ |") + menu + u"</div>"_s, half,
        u"<ul>"_s, U("<li>&nbsp;<a href=\"aac.htm\">Агат</a></li>"), u"</ul>"_s, mid,
        u"<ul>"_s, U("<li>&nbsp;<a href=\"aad.htm\">Балкан</a></li>"), u"</ul>"_s, u"</tr></table>"_s,
        U("<div id=\"menufirm\"><a name=\"hm\"></a>В |") + menu + u"</div>"_s, half,
        u"<ul>"_s, U("<li>&nbsp;<a href=\"aae.htm\">Вега</a></li>"), u"</ul>"_s, mid, u"</tr></table>"_s,
    };
    QCOMPARE(ExportFixture::region(fx.site() + QStringLiteral("firm/index.htm"), marker::EAB(), marker::EAE()), expected);
    fx.dm->EndExport();
}

void TestExportPages::firmPage()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (1, 'Band')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (1, 'Label')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (2, 'Parent')"));
    fx.exec(U("INSERT INTO Firm (ID, Name) VALUES (3, 'Co')"));
    fx.exec(U("INSERT INTO FirmParent (Firm, Parent) VALUES (1, 2)"));
    fx.exec(U("INSERT INTO Album (ID, Performer, Title) VALUES (1, 1, 'T')"));
    fx.exec(U("INSERT INTO AlbumIssue (ID, Album, IssueYear) VALUES (7, 1, '1999')"));
    fx.exec(U("INSERT INTO AlbumIssueLabel (Issue, Label, CatalogNumber) VALUES (7, 1, 'L-1')"));
    fx.exec(U("INSERT INTO AlbumIssueLabel (Issue, Label) VALUES (7, 3)"));
    fx.exec(U("INSERT INTO Internet (Kind, Object, Name, URL) VALUES ('S', 1, 'a', 'http://a')"));
    fx.exec(U("INSERT INTO Internet (Kind, Object, Name, URL) VALUES ('S', 1, 'b', 'http://b')"));
    fx.dm->BeginExport();
    fx.dm->WriteFirmPage(1);
    QCOMPARE(ExportFixture::region(fx.dm->FirmFile(1), marker::EAB(), marker::EAE()),
             (QStringList{u"<h1>Label / <a href=\"aac.htm\">Parent</a></h1>"_s, u"<a href=\"#sites\">sites</a>"_s, u"<ul>"_s,
                          U("<li><a name=\"aaab\"></a><a name=\"iaaah\"></a>&nbsp;L-1 (1999)&nbsp;(<a href=\"aad.htm#aaab\">Co</a>): "
                            "<a href=\"../a/a/a/albb.htm\">Band — T</a></li>"),
                          u"</ul>"_s, u"<a name=\"sites\"><h3>Sites:</h3>"_s,
                          u"<a href=\"http://a\" target=\"_blank\">a</a><br /><a href=\"http://b\" target=\"_blank\">b</a>"_s}));
    QCOMPARE(fx.dm->lastPage(), fx.dm->FirmFile(1));
    fx.dm->EndExport();
}

void TestExportPages::genrePages()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Genre (ID, Name) VALUES (1, 'Rock')"));
    fx.exec(U("INSERT INTO Genre (ID, Name) VALUES (2, 'Jazz')"));
    fx.exec(U("INSERT INTO Genre (ID, Name, \"Union\") VALUES (3, 'Punk', 1)"));
    fx.dm->BeginExport();
    fx.dm->WriteGenrePage(3);
    QCOMPARE(ExportFixture::region(fx.dm->GenreFile(3), marker::EAB(), marker::EAE()),
             (QStringList{u"<h1>Punk/<a href=\"index.htm#aab\">Rock</a></h1>"_s, piece::table50(), u"</td></tr></table>"_s}));
    QCOMPARE(ExportFixture::region(fx.dm->GenreFile(3), marker::ETB(), marker::ETE()), QStringList{u"<title>Punk/Rock</title>"_s});
    fx.dm->WriteGenreIndex();
    const QString menu = U("<div id=\"menugenre\"><a href=\"#aac\">Jazz</a><br/><a href=\"#aab\">Rock</a><br/>"
                           "<a href=\"#zzz\">Прочие</a></div>");
    const QString t60 = QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td width=\"60%\" valign=\"top\">");
    const QString c40 = QStringLiteral("</td><td width=\"40%\" valign=\"top\">");
    QCOMPARE(ExportFixture::region(fx.site() + QStringLiteral("genre/index.htm"), marker::EAB(), marker::EAE()),
             (QStringList{t60, u"<h1><a name=\"aac\" href=\"aac.htm\" >Jazz</a></h1>"_s, u"</td></tr></table>"_s, u"<hr/>"_s,
                          t60, u"<h1><a name=\"aab\" href=\"aab.htm\" >Rock</a></h1>"_s, u"<ul>"_s,
                          u"<li>&nbsp;<a href=\"aad.htm\">Punk</a></li>"_s, u"</ul>"_s, c40, menu, u"</td></tr></table>"_s, u"<hr/>"_s,
                          t60, U("<h1><a name=\"zzz\">Прочие</a></h1>"), u"<ul>"_s,
                          u"<li>&nbsp;<a href=\"aad.htm\">Punk</a></li>"_s, u"</ul>"_s, c40, menu, u"</td></tr></table>"_s}));
    fx.dm->EndExport();
}

void TestExportPages::casualBold()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    // NoteIcon 3: biography and picture; 2: picture only.
    cat.connection().execute(QStringLiteral("INSERT INTO Performer (ID, LastName, Text, Picture) VALUES (1, 'Rich', 'bio', :P)"),
                             {{QStringLiteral("P"), QByteArray("jpg")}});
    cat.connection().execute(QStringLiteral("INSERT INTO Performer (ID, LastName, Picture) VALUES (2, 'Plain', :P)"),
                             {{QStringLiteral("P"), QByteArray("jpg")}});
    fx.dm->BeginExport();
    fx.dm->WriteCasualPage();
    const QStringList body = ExportFixture::region(fx.site() + QStringLiteral("index/casual.htm"), marker::EAB(), marker::EAE());
    QCOMPARE(body.mid(0, 5), (QStringList{U("<h1>Случайные исполнители и альбомы.</h1>"), piece::table50(), u"<ul>"_s,
                                          u"<li>&nbsp;<a href=\"../a/a/a/prfc.htm\">Plain</a></li>"_s,
                                          u"<li>&nbsp;<a href=\"../a/a/a/prfb.htm\"><b>Rich</b></a></li>"_s}));
    QCOMPARE(body.last(), piece::endTable());
    fx.dm->EndExport();
}

void TestExportPages::casualPick_data()
{
    QTest::addColumn<int>("albums");
    QTest::addColumn<int>("picked");
    QTest::newRow("fewer than twenty") << 5 << 5;
    QTest::newRow("many") << 300 << 20;
}

// Twenty distinct albums at most, in title order, and the same pick within a day.
void TestExportPages::casualPick()
{
    QFETCH(int, albums);
    QFETCH(int, picked);
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(u"INSERT INTO Performer (ID, LastName) VALUES (1, 'P')"_s);
    for (int i = 1; i <= albums; ++i)
        cat.connection().execute(u"INSERT INTO Album (ID, Title, Performer) VALUES (:ID, :T, 1)"_s,
                                 {{u"ID"_s, i}, {u"T"_s, u"T%1"_s.arg(i, 4, 10, QLatin1Char('0'))}});
    const db::RowSet first = fx.dm->open(u"EncyclAlbumCasual"_s);
    QCOMPARE(first.size(), picked);
    QStringList titles;
    QSet<int> keys;
    for (qsizetype i = 0; i < first.size(); ++i) {
        titles << first.value(i, u"TitleYearPerformer"_s).toString();
        keys.insert(first.value(i, u"Album"_s).toInt());
    }
    QCOMPARE(keys.size(), picked);
    QStringList sorted = titles;
    sorted.sort();
    QCOMPARE(titles, sorted);
    const db::RowSet again = fx.dm->open(u"EncyclAlbumCasual"_s);
    QCOMPARE(again.rows, first.rows);
    if (albums > 2 * picked) // a pick, not the first keys
        QVERIFY(*std::max_element(keys.begin(), keys.end()) > picked);
}

void TestExportPages::statisticsOnMainPage()
{
    test::TestCatalogue cat(QStringLiteral("sqlite"));
    ExportFixture fx(cat.connection());
    fx.exec(U("INSERT INTO Performer (ID, LastName) VALUES (1, 'X')"));
    fx.dm->BeginExport();
    fx.dm->WriteIndexPage();
    const QStringList stats = ExportFixture::region(fx.params.root, marker::EKB(), marker::EKE());
    QCOMPARE(stats.first(), QStringLiteral("<ul>"));
    QCOMPARE(stats.at(1), U("<li>&nbsp;Исполнителей: 1</li>"));
    QCOMPARE(stats, ExportFixture::region(fx.site() + QStringLiteral("index/index.htm"), marker::EKB(), marker::EKE()));
    fx.dm->EndExport();
    // Without the main page the run ends with the template message and an empty template name.
    QFile::remove(fx.params.root);
    QVERIFY(!fx.dm->ExportEncyclopaedia(false));
    QCOMPARE(fx.progress.lines.last(), U("Для файла %1 отсутсвует шаблон ").arg(fx.params.root));
}

QTEST_GUILESS_MAIN(TestExportPages)
#include "test_exportpages.moc"
