// The string helpers of the text rules, character for character, and the clipboard helpers.
#include "platform/os/files.h"
#include "text/conversionerror.h"
#include "text/stringhelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTest>

using namespace vintora::text;

namespace {
QString u8(const char* s)
{
    return QString::fromUtf8(s);
}
} // namespace

class TestStringHelpers : public QObject {
    Q_OBJECT
private slots:
    void titleCase_data();
    void titleCase();
    void titleCaseDelimitersAreTheFifty();
    void quoteGuillemets_data();
    void quoteGuillemets();
    void joinNonEmpty_data();
    void joinNonEmpty();
    void charSetHelpers();
    void trimAndBlank_data();
    void trimAndBlank();
    void caseKeepsLength_data();
    void caseKeepsLength();
    void siteFromUrl_data();
    void siteFromUrl();
    void numberAfterFirstChar();
    void lineLists();
    void safeFileNameIsStripAndCollapse_data();
    void safeFileNameIsStripAndCollapse();
    void safeFileNameAgreesOnRandomTexts();
    void clipboard();
};

void TestStringHelpers::titleCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("slash splits words") << u8("AC/DC") << u8("Ac/Dc");
    QTest::newRow("digit takes the word start") << u8("3rd world") << u8("3rd World");
    QTest::newRow("apostrophe is no delimiter") << u8("o'neil") << u8("O'neil");
    QTest::newRow("! ? & + are no delimiters") << u8("hey!you ?what a&b c+d") << u8("Hey!you ?what A&b C+d");
    QTest::newRow("brackets, quotes, guillemets") << u8("(live) \"x\" «y» [z] {w} `v")
                                                  << u8("(Live) \"X\" «Y» [Z] {W} `V");
    QTest::newRow("punctuation") << u8("a,b.c:d;e\\f-g") << u8("A,B.C:D;E\\F-G");
    QTest::newRow("control characters split") << u8("a\tb\nc") << u8("A\tB\nC");
    QTest::newRow("upper-case input lowered") << u8("THE DARK SIDE") << u8("The Dark Side");
    QTest::newRow("russian words") << u8("КИНО группа крови") << u8("Кино Группа Крови");
    QTest::newRow("yo") << u8("ёжик в тумане") << u8("Ёжик В Тумане");
    QTest::newRow("hyphenated surname") << u8("римский-корсаков") << u8("Римский-Корсаков");
    QTest::newRow("latin diacritics") << u8("ÉCOLE d'été ÅSA") << u8("École D'été Åsa");
    QTest::newRow("no-break space is no delimiter") << u8("a\u00a0b") << u8("A\u00a0b");
    QTest::newRow("empty") << QString() << QString();
}

void TestStringHelpers::titleCase()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TitleCase(text), expected);
}

void TestStringHelpers::titleCaseDelimitersAreTheFifty()
{
    const QString& d = TitleCaseDelimiters();
    QCOMPARE(d.size(), 50);
    for (char16_t c = 0; c <= 0x20; ++c)
        QVERIFY(d.contains(QChar(c)));
    for (const QChar c : u8("\"(),-./:;[]\\`{}«»"))
        QVERIFY2(d.contains(c), qPrintable(QString(c)));
    for (const QChar c : u8("'!?&+0123456789\u00a0"))
        QVERIFY2(!d.contains(c), qPrintable(QString(c)));
}

void TestStringHelpers::quoteGuillemets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("apostrophes dropped") << u8("'Abbey Road'") << u8("«Abbey Road»");
    QTest::newRow("guillemets kept once") << u8("«x»") << u8("«x»");
    QTest::newRow("empty") << QString() << u8("«»");
    QTest::newRow("only one apostrophe each side") << u8("''a''") << u8("«'a'»");
    QTest::newRow("inner apostrophe stays") << u8("rock'n'roll") << u8("«rock'n'roll»");
    QTest::newRow("all eight quotes blanked") << u8("\"‘’„“”«»x") << u8("«x»");
    QTest::newRow("inner quotes become blanks") << u8("a\"b„c“d") << u8("«a b c d»");
    QTest::newRow("russian low-high quotes") << u8("„Мастер и Маргарита“") << u8("«Мастер и Маргарита»");
    QTest::newRow("trim of 0..32") << u8("\t x \x01") << u8("«x»");
}

void TestStringHelpers::quoteGuillemets()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(QuoteGuillemets(text), expected);
}

void TestStringHelpers::joinNonEmpty_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("b empty") << u8("a") << QString() << u8(";") << u8("a");
    QTest::newRow("a empty") << QString() << u8("b") << u8(";") << u8("b");
    QTest::newRow("both") << u8("a") << u8("b") << u8(";") << u8("a; b");
    QTest::newRow("comma") << u8("a") << u8("b") << u8(",") << u8("a, b");
    QTest::newRow("single space") << u8("a") << u8("b") << u8(" ") << u8("a b");
    QTest::newRow("b blank gives a as is") << u8(" a ") << u8("  ") << u8(",") << u8(" a ");
    QTest::newRow("a blank gives b as is") << u8("\t") << u8(" b") << u8(",") << u8(" b");
    QTest::newRow("both blank gives a") << u8(" ") << u8("") << u8(",") << u8(" ");
    QTest::newRow("longer separator") << u8("Иванов") << u8("Петров") << u8(" —") << u8("Иванов — Петров");
}

void TestStringHelpers::joinNonEmpty()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(JoinNonEmpty(a, b, separator), expected);
}

void TestStringHelpers::charSetHelpers()
{
    QCOMPARE(DeleteChars(u8("a-b--c-"), QLatin1Char('-')), u8("abc"));
    QCOMPARE(CollapseRuns(u8("  a   b  c "), QLatin1Char(' ')), u8(" a b c "));
    QCOMPARE(CollapseRuns(u8("ёёёжёё"), QChar(u'ё')), u8("ёжё"));
    // Deletions first, so blanks brought together by them are collapsed too.
    QCOMPARE(StripAndCollapse(u8("a * b..c"), u8("*"), u8(" .")), u8("a b.c"));
    QCOMPARE(ReplaceCharSet(u8("a[b]c"), u8("[]"), QLatin1Char('_')), u8("a_b_c"));
    QCOMPARE(DropFirstChars(u8("abcd"), 2), u8("cd"));
    QCOMPARE(DropLastChars(u8("abcd"), 2), u8("ab"));
    QCOMPARE(DropFirstChars(u8("abcd"), 9), QString());
    QCOMPARE(DropLastChars(u8("abcd"), 9), QString());
    QCOMPARE(DropFirstChars(u8("abcd"), 0), u8("abcd"));
    QCOMPARE(FindFirstOf(u8("-:"), u8("A: b - c")), qsizetype(2));
    QCOMPARE(FindFirstOf(u8("-:"), u8("abc")), qsizetype(0));
    QCOMPARE(FindFirstOf(QString(), u8("abc")), qsizetype(0));
    QCOMPARE(SquareToRound(u8("[a] [[b]]")), u8("(a) ((b))"));
    QCOMPARE(FirstChar(u8("Ёж")), u8("Ё"));
    QCOMPARE(FirstChar(QString()), QString());
}

void TestStringHelpers::trimAndBlank_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::addColumn<bool>("blank");
    QTest::newRow("empty") << QString() << QString() << true;
    QTest::newRow("control characters and blanks") << u8("\x01\t \x1f") << QString() << true;
    QTest::newRow("inner blanks stay") << u8("  a  b ") << u8("a  b") << false;
    QTest::newRow("no-break space is kept") << u8("\u00a0a\u00a0") << u8("\u00a0a\u00a0") << false;
    QTest::newRow("only no-break space") << u8("\u00a0") << u8("\u00a0") << false;
}

void TestStringHelpers::trimAndBlank()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QFETCH(bool, blank);
    QCOMPARE(trim(text), trimmed);
    QCOMPARE(IsBlank(text), blank);
}

void TestStringHelpers::caseKeepsLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("cyrillic with yo") << u8("Ёлка ёж") << u8("ЁЛКА ЁЖ") << u8("ёлка ёж");
    QTest::newRow("diacritics") << u8("Ångström ÉÇ") << u8("ÅNGSTRÖM ÉÇ") << u8("ångström éç");
    // A full mapping would make "SS" of ß and shift every position after it.
    QTest::newRow("sharp s keeps one character") << u8("straße") << u8("STRAßE") << u8("straße");
    QTest::newRow("outside the basic plane") << u8("𐐀𐐨") << u8("𐐀𐐀") << u8("𐐨𐐨");
}

void TestStringHelpers::caseKeepsLength()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QCOMPARE(upperCase(text), upper);
    QCOMPARE(lowerCase(text), lower);
}

void TestStringHelpers::siteFromUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("site");
    QTest::newRow("address with path") << u8("https://www.example.org/a/b.html") << u8("www.example.org");
    QTest::newRow("host only") << u8("http://example.org") << u8("example.org");
    QTest::newRow("no scheme") << u8("example.org/page") << u8("example.org");
    QTest::newRow("no slash at all") << u8("example.org") << u8("example.org");
    QTest::newRow("first double slash counts") << u8("a//b//c/d") << u8("b");
    QTest::newRow("empty") << QString() << QString();
}

void TestStringHelpers::siteFromUrl()
{
    QFETCH(QString, url);
    QFETCH(QString, site);
    QCOMPARE(SiteFromURL(url), site);
}

void TestStringHelpers::numberAfterFirstChar()
{
    QCOMPARE(NumberAfterFirstChar(u8("P15")), 15);
    QCOMPARE(NumberAfterFirstChar(u8("A-3")), -3);
    QVERIFY_THROWS_EXCEPTION(ConversionError, NumberAfterFirstChar(u8("Px")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, NumberAfterFirstChar(u8("P")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, NumberAfterFirstChar(u8("P1x")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, NumberAfterFirstChar(u8("P99999999999")));
}

void TestStringHelpers::lineLists()
{
    QStringList lines{u8("  a "), u8("\tб"), QString(), u8(" ")};
    TrimLines(lines);
    QCOMPARE(lines, (QStringList{u8("a"), u8("б"), QString(), QString()}));

    QStringList caps{u8("ёлка зелёная"), QString(), u8("abc DEF"), u8(" x")};
    CapitalizeLines(caps);
    QCOMPARE(caps, (QStringList{u8("Ёлка зелёная"), QString(), u8("Abc DEF"), u8(" x")}));

    QStringList trailing{u8("a"), QString(), u8(" "), QString(), QString()};
    DropTrailingEmptyLines(trailing);
    QCOMPARE(trailing, (QStringList{u8("a"), QString(), u8(" ")}));
    QStringList onlyEmpty{QString(), QString()};
    DropTrailingEmptyLines(onlyEmpty);
    QVERIFY(onlyEmpty.isEmpty());
    QStringList none;
    DropTrailingEmptyLines(none);
    QVERIFY(none.isEmpty());
}

namespace {
const QString fileNameDeleted = QStringLiteral("<>\"\\/*:?|");
}

void TestStringHelpers::safeFileNameIsStripAndCollapse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("forbidden characters") << u8("AC/DC: <Live> \"77\"?*|\\") << u8("ACDC Live 77");
    QTest::newRow("blanks joined by a deletion") << u8("a  :  b") << u8("a b");
    QTest::newRow("no trim") << u8("  a  ") << u8(" a ");
    QTest::newRow("cyrillic") << u8("Кино / Группа крови") << u8("Кино Группа крови");
}

void TestStringHelpers::safeFileNameIsStripAndCollapse()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(StripAndCollapse(text, fileNameDeleted, u8(" ")), expected);
    QCOMPARE(vintora::os::safeFileName(text), expected);
}

void TestStringHelpers::safeFileNameAgreesOnRandomTexts()
{
    const QString alphabet = fileNameDeleted + u8("  aЖ.");
    QRandomGenerator random(20261211);
    for (int n = 0; n < 2000; ++n) {
        QString text;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        QVERIFY2(StripAndCollapse(text, fileNameDeleted, u8(" ")) == vintora::os::safeFileName(text), qPrintable(text));
    }
}

void TestStringHelpers::clipboard()
{
    QClipboard* board = QGuiApplication::clipboard();
    board->clear();
    QCOMPARE(GetClipboardText(), QString());
    QCOMPARE(AppendClipboardText(u8("x")), u8("x\r\n&\r\n"));
    QCOMPARE(AppendClipboardText(QString()), QString());

    // Characters outside the Windows-1251 code page come back whole.
    const QString text = u8("Ёлка — «ель» 𝄞 ü ™ 中");
    PutClipboardText(text);
    QCOMPARE(GetClipboardText(), text);
    QCOMPARE(board->text(), text);
    QCOMPARE(AppendClipboardText(QString()), text);
    QCOMPARE(AppendClipboardText(u8("line 1\r\nline 2")), u8("line 1\r\nline 2\r\n&\r\n") + text);

    // An empty text leaves what the clipboard holds.
    PutClipboardText(QString());
    QCOMPARE(GetClipboardText(), text);
}

QTEST_MAIN(TestStringHelpers)
#include "test_stringhelpers.moc"
