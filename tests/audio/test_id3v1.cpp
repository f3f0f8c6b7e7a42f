#include "audio/tid3v1.h"
#include "audiofixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vintora::audio;
using namespace vintora::audio::fixtures;

class TestID3v1 : public QObject {
    Q_OBJECT
private slots:
    void versionAndTrack_data();
    void versionAndTrack();
    void texts();
    void genres_data();
    void genres();
    void noTagAndShortFiles();
    void readsFromFileAndCloses();
};

void TestID3v1::versionAndTrack_data()
{
    QTest::addColumn<char>("b125");
    QTest::addColumn<char>("b126");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("track");
    QTest::newRow("zero then 5 is v1.1") << '\0' << '\5' << 2 << 5;
    QTest::newRow("both zero is v1.0") << '\0' << '\0' << 1 << 0;
    QTest::newRow("space then 7 is v1.1") << ' ' << '\7' << 2 << 7;
    QTest::newRow("two spaces is v1.0") << ' ' << ' ' << 1 << 0;
    QTest::newRow("comment text is v1.0") << 'x' << 'y' << 1 << 0;
}

void TestID3v1::versionAndTrack()
{
    QFETCH(char, b125);
    QFETCH(char, b126);
    TID3v1 tag;
    QVERIFY(tag.ReadFromBlock(id3v1("T", "A", "B", "1999", b125, b126, 17)));
    QVERIFY(tag.Exists);
    QFETCH(int, version);
    QFETCH(int, track);
    QCOMPARE(int(tag.VersionID), version);
    QCOMPARE(int(tag.Track), track);
    QCOMPARE(tag.Version(), tag.VersionID == 2 ? QStringLiteral("ID3v1.1") : QStringLiteral("ID3v1.0"));
}

void TestID3v1::texts()
{
    TID3v1 tag;
    // Windows-1251 bytes of "Кино", "Группа крови", trailing spaces and a zero-terminated field with
    // leftovers behind the zero.
    const QByteArray kino("\xCA\xE8\xED\xEE  ");
    QVERIFY(tag.ReadFromBlock(id3v1(" \xC3\xF0\xF3\xEF\xEF\xE0 \xEA\xF0\xEE\xE2\xE8   ", kino,
                                    QByteArray("Album\0old", 9), "1988", 0, 3, 255)));
    QCOMPARE(tag.Title, QStringLiteral(" Группа крови"));
    QCOMPARE(tag.Artist, QStringLiteral("Кино"));
    QCOMPARE(tag.Album, QStringLiteral("Album"));
    QCOMPARE(tag.Year, QStringLiteral("1988"));
    QCOMPARE(int(tag.Track), 3);
    QCOMPARE(tag.Genre(), QString());
}

void TestID3v1::genres_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << QStringLiteral("Blues");
    QTest::newRow("17") << 17 << QStringLiteral("Rock");
    QTest::newRow("79 last of the standard list") << 79 << QStringLiteral("Hard Rock");
    QTest::newRow("80 first extension") << 80 << QStringLiteral("Folk");
    QTest::newRow("92 spelled as listed") << 92 << QStringLiteral("Progessive Rock");
    QTest::newRow("147") << 147 << QStringLiteral("Synthpop");
    QTest::newRow("148") << 148 << QString();
    QTest::newRow("255 none") << 255 << QString();
}

void TestID3v1::genres()
{
    QFETCH(int, id);
    TID3v1 tag;
    QVERIFY(tag.ReadFromBlock(id3v1("", "", "", "", 0, 0, uchar(id))));
    QFETCH(QString, name);
    QCOMPARE(tag.Genre(), name);
}

void TestID3v1::noTagAndShortFiles()
{
    TID3v1 tag;
    TByteSource none(QByteArray(128, 'x'));
    QVERIFY(tag.ReadFromSource(none));
    QVERIFY(!tag.Exists);
    QCOMPARE(int(tag.GenreID), 255);

    TByteSource shortFile(id3v1("T", "A", "B", "1999", 0, 1, 1).left(127));
    QVERIFY(!tag.ReadFromSource(shortFile));
    QVERIFY(!tag.Exists);

    // A previous result never survives the next read.
    TByteSource good(QByteArray(500, '\0') + id3v1("T", "A", "B", "1999", 0, 1, 1));
    QVERIFY(tag.ReadFromSource(good));
    QVERIFY(tag.Exists);
    QVERIFY(tag.ReadFromSource(none));
    QVERIFY(!tag.Exists);
    QVERIFY(tag.Title.isEmpty());
}

void TestID3v1::readsFromFileAndCloses()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.mp3"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1000, '\1') + id3v1("Title", "Artist", "Album", "2001", 0, 9, 13));
    f.close();
    TID3v1 tag;
    QVERIFY(tag.ReadFromFile(path));
    QCOMPARE(tag.Title, QStringLiteral("Title"));
    QCOMPARE(tag.Genre(), QStringLiteral("Pop"));
    QVERIFY(!tag.ReadFromFile(dir.filePath(QStringLiteral("missing.mp3"))));
    QVERIFY(QFile::remove(path)); // not held open
}

QTEST_GUILESS_MAIN(TestID3v1)
#include "test_id3v1.moc"
