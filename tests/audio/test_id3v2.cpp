#include "audio/tid3v2.h"
#include "audiofixtures.h"

#include <QTest>

using namespace vintora::audio;
using namespace vintora::audio::fixtures;
using namespace Qt::StringLiterals;

namespace {

TID3v2 readTag(const QByteArray& bytes, bool* ok = nullptr)
{
    TID3v2 tag;
    TByteSource source(bytes);
    const bool r = tag.ReadFromSource(source);
    if (ok)
        *ok = r;
    return tag;
}

QByteArray tagWith(int version, const QByteArray& id, const QByteArray& data)
{
    return v2Tag(version, v2Frame(version, id, data), 0, 32) + mpegStream(2);
}

} // namespace

class TestID3v2 : public QObject {
    Q_OBJECT
private slots:
    void frameTable_data();
    void frameTable();
    void fallbacks();
    void track_data();
    void track();
    void genre_data();
    void genre();
    void encodings_data();
    void encodings();
    void lyrics_data();
    void lyrics();
    void headerCases();
    void extendedHeader_data();
    void extendedHeader();
    void unsynchronisation();
    void frameSizes_data();
    void frameSizes();
    void frameLimits();
    void unreadableFrames();
};

void TestID3v2::frameTable_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("2.2") << 2;
    QTest::newRow("2.3") << 3;
    QTest::newRow("2.4") << 4;
}

void TestID3v2::frameTable()
{
    QFETCH(int, version);
    const bool v2 = version == 2;
    auto f = [&](const char* id34, const char* id2, const QByteArray& text) {
        return v2Frame(version, v2 ? id2 : id34, text0(text));
    };
    const QByteArray body = f("TIT2", "TT2", "Title") + f("TPE1", "TP1", "Artist") + f("TALB", "TAL", "Album") +
                            f("TRCK", "TRK", "4") + f("TYER", "TYE", "1977") + f("TCON", "TCO", "Jazz") +
                            f("TXXX", "TXX", "skipped") + f("TCOM", "TCM", "Composer") +
                            f("TOPE", "TOA", "Original") +
                            (v2 ? QByteArray() : v2Frame(version, "USLT", text0("eng\0\0Words"_ba)));
    bool ok = false;
    const TID3v2 tag = readTag(v2Tag(version, body, 0, 100) + mpegStream(2), &ok);
    QVERIFY(ok);
    QVERIFY(tag.Exists);
    QCOMPARE(int(tag.VersionID), version);
    QCOMPARE(tag.Version(), QStringLiteral("ID3v2.%1").arg(version));
    QCOMPARE(tag.Size, qint64(10 + body.size() + 100));
    QCOMPARE(tag.Title, QStringLiteral("Title"));
    QCOMPARE(tag.Artist, QStringLiteral("Artist"));
    QCOMPARE(tag.Album, QStringLiteral("Album"));
    QCOMPARE(int(tag.Track), 4);
    QCOMPARE(tag.Year, QStringLiteral("1977"));
    QCOMPARE(tag.Genre, QStringLiteral("Jazz"));
    QCOMPARE(tag.Composer, QStringLiteral("Composer"));
    QCOMPARE(tag.OriginalArtist, QStringLiteral("Original"));
    QCOMPARE(tag.Lyrics, v2 ? QString() : QStringLiteral("Words"));
}

void TestID3v2::fallbacks()
{
    // Empty first choices give way to the second ones; a later frame replaces an earlier one.
    const QByteArray body = v2Frame(4, "TIT2", text0("  ")) + v2Frame(4, "TIT1", text0("Grouping")) +
                            v2Frame(4, "TOPE", text0("Orig")) + v2Frame(4, "TOAL", text0("Orig album")) +
                            v2Frame(4, "TDRC", text0("1999-10-01")) + v2Frame(4, "TCOM", text0("First")) +
                            v2Frame(4, "TCOM", text0("Second"));
    const TID3v2 tag = readTag(v2Tag(4, body));
    QCOMPARE(tag.Title, QStringLiteral("Grouping"));
    QCOMPARE(tag.Artist, QStringLiteral("Orig"));
    QCOMPARE(tag.OriginalArtist, QStringLiteral("Orig"));
    QCOMPARE(tag.Album, QStringLiteral("Orig album"));
    QCOMPARE(tag.Year, QStringLiteral("1999"));
    QCOMPARE(tag.Composer, QStringLiteral("Second"));

    // "TYER" wins over "TDRC".
    const TID3v2 both =
        readTag(v2Tag(3, v2Frame(3, "TDRC", text0("2005-01-01")) + v2Frame(3, "TYER", text0("1984"))));
    QCOMPARE(both.Year, QStringLiteral("1984"));
}

void TestID3v2::track_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("track");
    QTest::newRow("number of total") << "03/12"_ba << 3;
    QTest::newRow("plain") << "7"_ba << 7;
    QTest::newRow("side letter") << "A1"_ba << 0;
    QTest::newRow("empty") << ""_ba << 0;
    QTest::newRow("low 16 bits") << "65537"_ba << 1;
}

void TestID3v2::track()
{
    QFETCH(QByteArray, text);
    QFETCH(int, track);
    QCOMPARE(int(readTag(tagWith(3, "TRCK", text0(text))).Track), track);
}

void TestID3v2::genre_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("genre");
    QTest::newRow("number only") << "(17)"_ba << QString();
    QTest::newRow("number and name") << "(17)Rock"_ba << QStringLiteral("Rock");
    QTest::newRow("name") << "Rock"_ba << QStringLiteral("Rock");
    QTest::newRow("last parenthesis") << "(1)(2)Pop"_ba << QStringLiteral("Pop");
    QTest::newRow("bare number stays") << "17"_ba << QStringLiteral("17");
}

void TestID3v2::genre()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, genre);
    QCOMPARE(readTag(tagWith(3, "TCON", text0(text))).Genre, genre);
}

void TestID3v2::encodings_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("title");
    const QString kino = QStringLiteral("Кино");
    QTest::newRow("0 as Windows-1251") << text0("\xCA\xE8\xED\xEE ") << kino;
    QTest::newRow("1 little-endian mark") << "\x01"_ba + utf16le(u"Abc"_s) + "\0\0"_ba << QStringLiteral("Abc");
    QTest::newRow("1 big-endian mark") << "\x01"_ba + utf16be(kino) + "\0\0"_ba << kino;
    QTest::newRow("1 keeps y diaeresis") << "\x01"_ba + utf16le(QStringLiteral("ÿes")) << QStringLiteral("ÿes");
    QTest::newRow("1 big-endian keeps y diaeresis") << "\x01"_ba + utf16be(QStringLiteral("aÿ")) << QStringLiteral("aÿ");
    QTest::newRow("1 surrogate pair") << "\x01"_ba + utf16le(QStringLiteral("x\U0001F3B5")) << QStringLiteral("x\U0001F3B5");
    QTest::newRow("1 without mark") << "\x01"_ba + utf16le(u"Abc"_s, false) << QStringLiteral("Abc");
    QTest::newRow("2 big-endian") << "\x02"_ba + utf16be(kino, false) + "\0\0"_ba << kino;
    QTest::newRow("3 UTF-8") << "\x03"_ba + kino.toUtf8() + "\0"_ba << kino;
    QTest::newRow("3 stops at terminator") << "\x03"_ba + "One\0Two"_ba << QStringLiteral("One");
    QTest::newRow("4 is not read") << "\x04"_ba + "Text"_ba << QString();
}

void TestID3v2::encodings()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, title);
    QCOMPARE(readTag(tagWith(4, "TIT2", data)).Title, title);
    QCOMPARE(readTag(tagWith(3, "TIT2", data)).Title, title);
}

void TestID3v2::lyrics_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("lyrics");
    QTest::newRow("single-byte with descriptor") << "\0rusDesc\0\xCF\xE5\xF1\xED\xFF"_ba << QStringLiteral("Песня");
    QTest::newRow("no descriptor terminator") << "\0engWords"_ba << QStringLiteral("Words");
    QTest::newRow("UTF-16 empty descriptor")
        << "\x01"_ba + "eng"_ba + utf16le({}) + "\0\0"_ba + utf16le(u"Line"_s) << QStringLiteral("Line");
    // "ab" ends in 62 00 and its terminator follows: the first 00 00 pair lies at an odd offset.
    QTest::newRow("UTF-16 descriptor ending in zero byte")
        << "\x01"_ba + "eng"_ba + utf16le(u"ab"_s) + "\0\0"_ba + utf16le(u"Text"_s) << QStringLiteral("Text");
    QTest::newRow("UTF-8") << "\x03"_ba + "eng"_ba + "d\0"_ba + QStringLiteral("Слова").toUtf8()
                           << QStringLiteral("Слова");
    QTest::newRow("empty frame text") << "\0eng\0"_ba << QString();
}

void TestID3v2::lyrics()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, lyrics);
    QCOMPARE(readTag(tagWith(3, "USLT", data)).Lyrics, lyrics);
}

void TestID3v2::headerCases()
{
    bool ok = false;
    TID3v2 tag = readTag("ID3\3\0\0\0\0"_ba, &ok);
    QVERIFY(!ok); // shorter than 10 bytes
    QVERIFY(!tag.Exists);

    tag = readTag(QByteArray(20, 'x'), &ok);
    QVERIFY(ok);
    QVERIFY(!tag.Exists);

    // Declared larger than the file: present, but empty.
    QByteArray big = v2Tag(3, v2Frame(3, "TIT2", text0("Lost")));
    big[8] = 0x7F;
    tag = readTag(big, &ok);
    QVERIFY(ok);
    QVERIFY(tag.Exists);
    QCOMPARE(tag.Size, qint64(0));
    QVERIFY(tag.Title.isEmpty());

    // A footer counts ten more bytes.
    QByteArray footed = v2Tag(4, v2Frame(4, "TIT2", text0("Foot")), 0x10) + "3DI"_ba + QByteArray(7, '\0');
    tag = readTag(footed + mpegStream(1));
    QCOMPARE(tag.Size, qint64(footed.size()));
    QCOMPARE(tag.Title, QStringLiteral("Foot"));

    // Unknown major versions keep their size but no frames.
    tag = readTag(v2Tag(5, v2Frame(4, "TIT2", text0("Five"))));
    QVERIFY(tag.Exists);
    QCOMPARE(int(tag.VersionID), 5);
    QVERIFY(tag.Title.isEmpty());
}

void TestID3v2::extendedHeader_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QByteArray>("ext");
    QTest::newRow("2.3, 6 bytes after its size") << 3 << be(6, 4) + QByteArray(6, '\0');
    QTest::newRow("2.3 with CRC") << 3 << be(10, 4) + "\x80\0"_ba + QByteArray(8, '\x41');
    QTest::newRow("2.4, synchsafe size with itself") << 4 << synchsafe(6) + "\1\0"_ba;
}

void TestID3v2::extendedHeader()
{
    QFETCH(int, version);
    QFETCH(QByteArray, ext);
    const TID3v2 tag = readTag(v2Tag(version, ext + v2Frame(version, "TIT2", text0("After")), 0x40, 20));
    QCOMPARE(tag.Title, QStringLiteral("After"));
}

void TestID3v2::unsynchronisation()
{
    // Version 3: the whole tag is unsynchronised; FF FE of the mark and "ÿ" (FF 00) carry inserted zeros.
    const QByteArray data = "\x01"_ba + utf16le(QStringLiteral("ÿ1")) + "\0\0"_ba;
    QByteArray frame = v2Frame(3, "TIT2", data);
    QByteArray unsynced;
    for (char c : frame) {
        unsynced.append(c);
        if (uchar(c) == 0xFF)
            unsynced.append('\0');
    }
    TID3v2 tag = readTag(v2Tag(3, unsynced + v2Frame(3, "TALB", text0("Album")), 0x80));
    QCOMPARE(tag.Title, QStringLiteral("ÿ1"));
    QCOMPARE(tag.Album, QStringLiteral("Album"));

    // Version 4: a frame flag, with a data length indicator before the data.
    QByteArray frameData = synchsafe(quint32(data.size()));
    for (char c : data) {
        frameData.append(c);
        if (uchar(c) == 0xFF)
            frameData.append('\0');
    }
    tag = readTag(v2Tag(4, v2Frame(4, "TIT2", frameData, 0x0003) + v2Frame(4, "TALB", text0("Next"))));
    QCOMPARE(tag.Title, QStringLiteral("ÿ1"));
    QCOMPARE(tag.Album, QStringLiteral("Next"));
}

void TestID3v2::frameSizes_data()
{
    QTest::addColumn<bool>("plain");
    QTest::addColumn<int>("padding");
    QTest::newRow("synchsafe, then frame") << false << 0;
    QTest::newRow("plain, then frame") << true << 0;
    QTest::newRow("synchsafe, padding") << false << 64;
    QTest::newRow("plain, padding") << true << 64;
}

void TestID3v2::frameSizes()
{
    // 300 bytes: synchsafe 00 00 02 2C, plain 00 00 01 2C (which read as synchsafe is 172).
    QFETCH(bool, plain);
    QFETCH(int, padding);
    const QByteArray longText = text0(QByteArray(299, 'L'));
    const QByteArray body = v2Frame(4, "TALB", longText, 0, plain) + v2Frame(4, "TIT2", text0("Second"), 0, plain) +
                            v2Frame(4, "TPE1", text0(QByteArray(150, 'P')), 0, plain);
    const TID3v2 tag = readTag(v2Tag(4, body, 0, padding) + mpegStream(2));
    QCOMPARE(tag.Album, QString(299, QLatin1Char('L')));
    QCOMPARE(tag.Title, QStringLiteral("Second"));
    QCOMPARE(tag.Artist, QString(150, QLatin1Char('P')));
}

void TestID3v2::frameLimits()
{
    // At most 65,535 bytes of a frame are read (the encoding byte among them); 500 in version 2.
    const TID3v2 big = readTag(tagWith(3, "TIT2", text0(QByteArray(70000, 'x'))));
    QCOMPARE(big.Title.size(), 65534);
    const TID3v2 small = readTag(v2Tag(2, v2Frame(2, "TT2", text0(QByteArray(800, 'y'))) +
                                              v2Frame(2, "TP1", text0("After"))));
    QCOMPARE(small.Title.size(), 499);
    QCOMPARE(small.Artist, QStringLiteral("After"));
}

void TestID3v2::unreadableFrames()
{
    // Compressed frames are skipped without ending the walk; padding ends it.
    const QByteArray body = v2Frame(3, "TIT2", "\x78\x9C garbage"_ba, 0x0080) + v2Frame(3, "TALB", text0("Kept"));
    TID3v2 tag = readTag(v2Tag(3, body + QByteArray(10, '\0') + v2Frame(3, "TPE1", text0("Hidden"))));
    QVERIFY(tag.Title.isEmpty());
    QCOMPARE(tag.Album, QStringLiteral("Kept"));
    QVERIFY(tag.Artist.isEmpty());

    // A frame running past the tag is read as far as the tag goes.
    QByteArray cut = v2Frame(3, "TIT2", text0("Truncated"));
    cut.replace(4, 4, be(5000, 4));
    tag = readTag(v2Tag(3, cut) + mpegStream(2));
    QCOMPARE(tag.Title, QStringLiteral("Truncated"));
}

QTEST_GUILESS_MAIN(TestID3v2)
#include "test_id3v2.moc"
