// The cached windows hand out exactly the bytes of the file, however the pieces overlap them, and
// a file opened by name behaves like the device it replaces.
#include "audio/tbytesource.h"
#include "boundeddevice.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vintora::audio;
using namespace vintora::audio::fixtures;
using namespace Qt::StringLiterals;

namespace {

QByteArray pattern(qsizetype n)
{
    QByteArray out(n, Qt::Uninitialized);
    quint32 x = 12345;
    for (qsizetype i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        out[i] = char(x >> 16);
    }
    return out;
}

// "pos:len" pieces read one after the other; '+' before a piece makes it a prefetch.
struct Step {
    bool prefetch;
    qint64 pos, len;
};

QList<Step> steps(const QString& text)
{
    QList<Step> out;
    for (QString s : text.split(u' ', Qt::SkipEmptyParts)) {
        const bool pre = s.startsWith(u'+');
        if (pre)
            s.remove(0, 1);
        out.append({pre, s.section(u':', 0, 0).toLongLong(), s.section(u':', 1, 1).toLongLong()});
    }
    return out;
}

} // namespace

class TestByteSource : public QObject {
    Q_OBJECT
private slots:
    void pieces_data();
    void pieces();
    void fileByName();
};

void TestByteSource::pieces_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<qint64>("readAhead");
    QTest::addColumn<int>("reads");
    // 20,000 bytes of data.
    QTest::newRow("inside a prefetched window") << u"+0:4096 0:10 10:500 4000:96"_s << qint64(0) << 1;
    QTest::newRow("running past a window extends it") << u"+0:4096 10:6000 3000:3000"_s << qint64(0) << 2;
    QTest::newRow("starting at a window's end extends it") << u"+0:4096 4096:100 0:4196"_s << qint64(0) << 2;
    QTest::newRow("read ahead kept with the piece") << u"+0:4096 10:5000 5010:3458"_s << qint64(3458) << 2;
    QTest::newRow("apart from every window")
        << u"+0:4096 +16414:3586 8000:100 16414:3586"_s << qint64(0) << 3;
    QTest::newRow("clamped at the end") << u"19990:100 +19000:5000 -5:10 20000:1"_s << qint64(0) << 2;
    QTest::newRow("more windows than kept") << u"0:10 5000:10 10000:10 15000:10 0:10"_s << qint64(0) << 5;
    QTest::newRow("tail overlapping the head") << u"+0:4096 +3000:2000 0:5000"_s << qint64(0) << 2;
}

void TestByteSource::pieces()
{
    QFETCH(QString, script);
    QFETCH(qint64, readAhead);
    QFETCH(int, reads);
    const QByteArray data = pattern(20000);
    BoundedDevice device(data);
    TByteSource source(&device);
    source.setReadAhead(readAhead);
    for (const Step& s : steps(script)) {
        if (s.prefetch) {
            source.prefetch(s.pos, s.len);
            continue;
        }
        const QByteArray expected = s.pos < 0 ? QByteArray() : data.mid(s.pos, s.len);
        QCOMPARE(source.read(s.pos, s.len), expected);
        QCOMPARE(source.view(s.pos, s.len).toByteArray(), expected);
    }
    QVERIFY(!source.failed());
    QCOMPARE(source.reads(), reads);
    QVERIFY(!device.outside());
}

void TestByteSource::fileByName()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.mp3"_s);
    const QByteArray data = pattern(9000);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
    f.close();

    {
        TByteSource source(path);
        QVERIFY(source.isOpen());
        QCOMPARE(source.size(), qint64(9000));
        QCOMPARE(source.modificationTime(), QFileInfo(path).lastModified());
        source.prefetch(0, 4096);
        QCOMPARE(source.read(4000, 2000), data.mid(4000, 2000));
        QCOMPARE(source.read(8990, 100), data.mid(8990));
        QCOMPARE(source.reads(), 3);
        QVERIFY(!source.failed());
    }
    for (const QString& bad : {dir.filePath(u"missing.mp3"_s), dir.path(), QString()}) {
        TByteSource source(bad);
        QVERIFY2(!source.isOpen(), qPrintable(bad));
        QVERIFY(source.read(0, 10).isEmpty());
        QCOMPARE(source.size(), qint64(0));
    }
}

QTEST_GUILESS_MAIN(TestByteSource)
#include "test_bytesource.moc"
