// Every damaged file of tests/data/audio, and every short piece of it, passes the readers without a
// crash, a hang, or a read outside the file.
#include "audio/tmpegaudio.h"
#include "boundeddevice.h"

#include <QDir>
#include <QTest>

using namespace vintora::audio;
using namespace vintora::audio::fixtures;
using namespace Qt::StringLiterals;

namespace {

QString dataDir()
{
    const QString env = qEnvironmentVariable("VINTORA_TEST_DATA");
    return (env.isEmpty() ? QStringLiteral(VINTORA_SOURCE_DIR "/tests/data") : env) + u"/audio"_s;
}

// All three readers over a device; false when one of them reached outside the bytes.
bool readsInside(const QByteArray& bytes)
{
    BoundedDevice device(bytes);
    TByteSource source(&device);
    TMPEGaudio mpeg;
    mpeg.ReadFromSource(source);
    TID3v2 v2;
    v2.ReadFromSource(source);
    TID3v1 v1;
    v1.ReadFromSource(source);
    // Touch the derived values too.
    (void)mpeg.Duration();
    (void)mpeg.DurationText();
    (void)mpeg.Encoder();
    (void)mpeg.BitRate();
    return !device.outside() && device.largestRequest() <= bytes.size();
}

} // namespace

class TestDamaged : public QObject {
    Q_OBJECT
private slots:
    void corpus_data();
    void corpus();
    void expectations();
};

void TestDamaged::corpus_data()
{
    QTest::addColumn<QString>("path");
    const QFileInfoList files = QDir(dataDir()).entryInfoList({u"*.mp3"_s}, QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 20, qPrintable(dataDir()));
    for (const QFileInfo& fi : files)
        QTest::newRow(qPrintable(fi.fileName())) << fi.absoluteFilePath();
}

void TestDamaged::corpus()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();

    TMPEGaudio mpeg;
    mpeg.ReadFromFile(path); // the file path as the import takes it
    QVERIFY(mpeg.Reads <= 4);

    QVERIFY(readsInside(bytes));
    // Each piece cut from its start, as a copy interrupted while writing leaves it.
    const qsizetype step = bytes.size() > 4000 ? 7 : 1;
    for (qsizetype n = 0; n < bytes.size(); n += step) {
        if (n > 4000 && n < bytes.size() - 4000)
            n = bytes.size() - 4000;
        QVERIFY2(readsInside(bytes.left(n)), qPrintable(QString::number(n)));
    }
}

void TestDamaged::expectations()
{
    auto read = [](const char* name) {
        TMPEGaudio mpeg;
        const bool ok = mpeg.ReadFromFile(dataDir() + u'/' + QLatin1String(name));
        return std::make_pair(ok, mpeg);
    };
    // The tag is there, but its size is beyond the file: present and empty.
    TID3v2 v2;
    QVERIFY(v2.ReadFromFile(dataDir() + u"/tag-size-beyond-file.mp3"_s));
    QVERIFY(v2.Exists);
    QCOMPARE(v2.Size, qint64(0));
    QVERIFY(v2.Title.isEmpty());

    auto [ok, m] = read("truncated-header.mp3");
    QVERIFY(!ok);
    std::tie(ok, m) = read("only-id3v1-short.mp3");
    QVERIFY(!ok);
    std::tie(ok, m) = read("zero-size-frames.mp3");
    QVERIFY(ok);
    QCOMPARE(m.ID3v2.Album, u"Album"_s);
    QVERIFY(m.Frame.Found);
    std::tie(ok, m) = read("endless-padding.mp3");
    QVERIFY(ok);
    QVERIFY(!m.Frame.Found);
    std::tie(ok, m) = read("headers-without-frames.mp3");
    QVERIFY(ok);
    QVERIFY(!m.Frame.Found);
    std::tie(ok, m) = read("frame-pairs-at-block-end.mp3");
    QVERIFY(m.Frame.Found);
    QCOMPARE(m.Frame.Position, qint64(1729));
    std::tie(ok, m) = read("xing-zero-frames.mp3");
    QVERIFY(m.VBR.Found);
    QCOMPARE(m.Duration(), (m.FileLength - 0.0) * 8 / 128 / 1000);
}

QTEST_GUILESS_MAIN(TestDamaged)
#include "test_damaged.moc"
