// The normalisation operations over the rule tables of a catalogue, on both database servers.
#include "catalogue/tdmcomming.h"
#include "support/testcatalogue.h"
#include "text/textrules.h"

#include <QTest>

using namespace vintora;
using text::TextRules;

namespace {

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

struct Case {
    const char* name;
    const char* text;
    const char* expected;
};

// One row per backend and case: "sqlite: AC/DC".
void addRows(std::initializer_list<Case> cases)
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const char* backend : {"sqlite", "postgresql"}) {
        for (const Case& c : cases) {
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(backend), u8(c.name))))
                << QString::fromLatin1(backend) << u8(c.text) << u8(c.expected);
        }
    }
}

void addRule(db::Connection& c, const QString& table, const QString& old, const QString& replacement)
{
    c.execute(QStringLiteral("INSERT INTO %1 (Old, New) VALUES (:Old, :New)").arg(table),
              {{QStringLiteral("Old"), old}, {QStringLiteral("New"), replacement}});
}

} // namespace

class TestTextRules : public QObject {
    Q_OBJECT
private slots:
    void trackNote_data();
    void trackNote();
    void authors_data();
    void authors();
    void performerName_data();
    void performerName();
    void performerNameReadsDelimitersEveryCall_data();
    void performerNameReadsDelimitersEveryCall();
    void title_data();
    void title();
    void titleSubstitutions_data();
    void titleSubstitutions();
    void role_data();
    void role();
    void roleSubstitutions_data();
    void roleSubstitutions();
    void splitRoleLine_data();
    void splitRoleLine();
    void splitRoleLineFollowsTheTableOrder_data();
    void splitRoleLineFollowsTheTableOrder();
};

void TestTextRules::trackNote_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bonus word removed") << u8("Bonus Track") << u8("track");
    QTest::newRow("blanks left where bonus stood") << u8("live  bonus  take") << u8("live  take");
    QTest::newRow("any case, every occurrence") << u8("BONUS demo bOnUs") << u8("demo");
    QTest::newRow("inside a word too") << u8("bonuses") << u8("es");
    QTest::newRow("cyrillic lowered") << u8("  Концертная   ЗАПИСЬ ") << u8("концертная запись");
    QTest::newRow("only bonus") << u8("bonus") << QString();
}

void TestTextRules::trackNote()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TextRules::NormalizeTrackNote(text), expected);
}

void TestTextRules::authors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare slash") << u8("Lennon/McCartney") << u8("Lennon — McCartney");
    QTest::newRow("comma after a word untouched") << u8("Lennon, McCartney") << u8("Lennon, McCartney");
    QTest::newRow("spaced slash") << u8("Lennon / McCartney") << u8("Lennon — McCartney");
    QTest::newRow("spaced hyphen") << u8("Jagger - Richards") << u8("Jagger — Richards");
    QTest::newRow("hyphen in a name stays") << u8("Римский-Корсаков") << u8("Римский-Корсаков");
    QTest::newRow("spaced comma") << u8("Gilmour , Waters") << u8("Gilmour — Waters");
    QTest::newRow("comma after a blank") << u8("Gilmour ,Waters") << u8("Gilmour — Waters");
    QTest::newRow("three, blanks collapsed, trimmed") << u8("  a/b  -  c ") << u8("a — b — c");
    QTest::newRow("case-sensitive, nothing else") << u8("Цой") << u8("Цой");
}

void TestTextRules::authors()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TextRules::NormalizeAuthors(text), expected);
}

void TestTextRules::performerName_data()
{
    addRows({
        {"AC/DC", "AC/DC", "Ac/Dc"},
        {"and The stays", "bob marley and the wailers", "Bob Marley and The Wailers"},
        {"and joins members", "crosby, stills and nash", "Crosby, Stills · Nash"},
        {"ampersand The", "echo & the bunnymen", "Echo and The Bunnymen"},
        {"with joins members", "santana with mclaughlin", "Santana · Mclaughlin"},
        {"with The stays", "sting with the police", "Sting with The Police"},
        {"Of lowered", "queen of the stone age", "Queen of The Stone Age"},
        {"Mc only at the start", "paul mccartney", "Paul Mccartney"},
        {"leading Mc", "mccartney", "McCartney"},
        {"leading Mac", "machine head", "MacHine Head"},
        {"leading O'", "o'connor", "O'Connor"},
        {"Mc alone", "mc", "Mc"},
        {"blanks collapsed, no trim", "  pink   floyd ", " Pink Floyd "},
        {"russian and hyphenated", "николай римский-корсаков", "Николай Римский-Корсаков"},
        {"yo", "ёлкин", "Ёлкин"},
        {"russian joining word is no rule", "чиж и компания", "Чиж И Компания"},
    });
}

void TestTextRules::performerName()
{
    QFETCH(QString, backend);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    QCOMPARE(rules.NormalizePerformerName(text), expected);
}

void TestTextRules::performerNameReadsDelimitersEveryCall_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

void TestTextRules::performerNameReadsDelimitersEveryCall()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    QCOMPARE(rules.NormalizePerformerName(u8("чиж и компания")), u8("Чиж И Компания"));

    // No snapshot to close: the rows written now are read by the next call.
    auto& c = dm.cnVintora();
    const auto addDelimiter = [&](const QString& d) {
        c.execute(QStringLiteral("INSERT INTO DelimiterName (Delimiter) VALUES (:D)"), {{QStringLiteral("D"), d}});
    };
    addDelimiter(u8(" И "));
    addDelimiter(u8(" Feat. "));
    addDelimiter(QStringLiteral("")); // an empty delimiter changes nothing
    QCOMPARE(rules.NormalizePerformerName(u8("чиж и компания")), u8("Чиж · Компания"));
    QCOMPARE(rules.NormalizePerformerName(u8("a feat. b")), u8("A · B"));
    // Matched as written, blanks included.
    QCOMPARE(rules.NormalizePerformerName(u8("a feat.b")), u8("A Feat.B"));
}

void TestTextRules::title_data()
{
    addRows({
        {"only blanks", " \t  ", ""},
        {"title case, blanks", "  the   dark side  of the moon ", "The Dark Side Of The Moon"},
        {"russian", "  группа   крови ", "Группа Крови"},
        {"yo", "ёжик в тумане", "Ёжик В Тумане"},
    });
}

void TestTextRules::title()
{
    QFETCH(QString, backend);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    QCOMPARE(rules.NormalizeTitle(text), expected);
}

void TestTextRules::titleSubstitutions_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

void TestTextRules::titleSubstitutions()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    auto& c = dm.cnVintora();
    QCOMPARE(rules.NormalizeTitle(u8("live at leeds")), u8("Live At Leeds"));

    // The rows are kept from the first use until the snapshot is closed, as the editor does
    // after saving.
    addRule(c, QStringLiteral("Substitute"), u8("live at"), u8("Live at"));
    QCOMPARE(rules.NormalizeTitle(u8("live at leeds")), u8("Live At Leeds"));
    dm.closeRuleTables();
    QCOMPARE(rules.NormalizeTitle(u8("live at leeds")), u8("Live at Leeds"));

    // Rows apply in ID order, each to the result of the one before: ordered by Old, the second
    // row would come first and find nothing.
    addRule(c, QStringLiteral("Substitute"), u8("zz"), u8("Yy"));
    addRule(c, QStringLiteral("Substitute"), u8("yy"), u8("Xx"));
    // An empty Old replaces nothing (it would otherwise be found between every two letters).
    addRule(c, QStringLiteral("Substitute"), QStringLiteral(""), u8("!"));
    // Case-insensitive for Cyrillic letters, ё included; a replacement with blanks is collapsed.
    addRule(c, QStringLiteral("Substitute"), u8("ЁЛОЧКА"), u8("Ёлка  "));
    dm.closeRuleTables();
    QCOMPARE(rules.NormalizeTitle(u8("zz top")), u8("Xx Top"));
    QCOMPARE(rules.NormalizeTitle(u8("ёлочка гори ")), u8("Ёлка Гори"));
    QCOMPARE(rules.NormalizeTitle(u8("ab")), u8("Ab"));
}

void TestTextRules::role_data()
{
    addRows({
        {"brackets, blanks, case", "  [Lead] Vocals ", "(lead) vocals"},
        {"inner blanks collapsed", "Backing    Vocals", "backing vocals"},
        {"russian", "  Гитара   [Акустическая] ", "гитара (акустическая)"},
        {"yo", "Ёмкость", "ёмкость"},
    });
}

void TestTextRules::role()
{
    QFETCH(QString, backend);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    QCOMPARE(rules.NormalizeRole(text), expected);
}

void TestTextRules::roleSubstitutions_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

void TestTextRules::roleSubstitutions()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    auto& c = dm.cnVintora();
    QCOMPARE(rules.NormalizeRole(u8("Vocals [Lead]")), u8("vocals (lead)"));

    addRule(c, QStringLiteral("RoleSubstitute"), u8("vocals (lead)"), u8("Lead  Vocals"));
    addRule(c, QStringLiteral("RoleSubstitute"), u8("гит."), u8("гитара"));
    QCOMPARE(rules.NormalizeRole(u8("Vocals [Lead]")), u8("vocals (lead)"));
    dm.closeRuleTables();
    QCOMPARE(rules.NormalizeRole(u8("Vocals [Lead]")), u8("lead vocals"));
    QCOMPARE(rules.NormalizeRole(u8("ГИТ. ")), u8("гитара"));
}

void TestTextRules::splitRoleLine_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("role");
    for (const char* backend : {"sqlite", "postgresql"}) {
        const QString b = QString::fromLatin1(backend);
        const auto row = [&](const char* name) {
            return &QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(b, u8(name))));
        };
        *row("hyphen") << b << u8("john lennon - Vocals, Guitar") << true << u8("John Lennon") << u8("vocals, guitar");
        *row("colon") << b << u8("  Ringo STARR:  Drums ") << true << u8("Ringo Starr") << u8("drums");
        *row("first row in the table decides") << b << u8("A: b - c") << true << u8("A: B") << u8("c");
        *row("russian") << b << u8("пётр иванов: БАС ") << true << u8("Пётр Иванов") << u8("бас");
        // The hyphen row comes first in the table, so it splits a hyphenated surname too.
        *row("hyphenated surname") << b << u8("иван римский-корсаков: Гитара") << true << u8("Иван Римский")
                                   << u8("корсаков: гитара");
        *row("nothing before") << b << u8("- bass") << true << QString() << u8("bass");
        *row("no delimiter leaves the outputs") << b << u8("John Lennon") << false << u8("keep") << u8("these");
    }
}

void TestTextRules::splitRoleLine()
{
    QFETCH(QString, backend);
    QFETCH(QString, line);
    QFETCH(bool, split);
    QFETCH(QString, person);
    QFETCH(QString, role);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    QString gotPerson = u8("keep");
    QString gotRole = u8("these");
    QCOMPARE(rules.SplitRoleLine(line, gotPerson, gotRole), split);
    QCOMPARE(gotPerson, person);
    QCOMPARE(gotRole, role);
}

void TestTextRules::splitRoleLineFollowsTheTableOrder_data()
{
    test::addBackendColumn();
    test::addBackendRows();
}

void TestTextRules::splitRoleLineFollowsTheTableOrder()
{
    QFETCH(QString, backend);
    VINTORA_OPEN_CATALOGUE(cat, backend);
    catalogue::TdmComming dm(cat.url());
    TextRules rules(dm);
    auto& c = dm.cnVintora();
    QString person;
    QString role;
    QVERIFY(rules.SplitRoleLine(u8("A: b - c"), person, role));
    QCOMPARE(person, u8("A: B"));

    // Switched off and snapshot closed: the colon row decides now.
    c.execute(QStringLiteral("UPDATE DelimiterRole SET Active = 0 WHERE Item = :I"), {{QStringLiteral("I"), u8("-")}});
    QVERIFY(rules.SplitRoleLine(u8("A: b - c"), person, role));
    QCOMPARE(person, u8("A: B")); // still the snapshot
    dm.closeRuleTables();
    QVERIFY(rules.SplitRoleLine(u8("A: b - c"), person, role));
    QCOMPARE(person, u8("A"));
    QCOMPARE(role, u8("b - c"));

    // A new row takes part after the next close, in its place by ID.
    c.execute(QStringLiteral("INSERT INTO DelimiterRole (Item, Active) VALUES (:I, 1)"), {{QStringLiteral("I"), u8("—")}});
    dm.closeRuleTables();
    QVERIFY(rules.SplitRoleLine(u8("Пётр — бас"), person, role));
    QCOMPARE(person, u8("Пётр"));
    QCOMPARE(role, u8("бас"));
    person = u8("keep");
    QVERIFY(!rules.SplitRoleLine(u8("Пётр бас - нет"), person, role));
    QCOMPARE(person, u8("keep"));
}

QTEST_MAIN(TestTextRules)
#include "test_textrules.moc"
