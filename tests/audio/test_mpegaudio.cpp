#include "audio/tmpegaudio.h"
#include "audiofixtures.h"
#include "boundeddevice.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vintora::audio;
using namespace vintora::audio::fixtures;
using namespace Qt::StringLiterals;

namespace {

struct Result {
    bool ok = false;
    TMPEGaudio mpeg;
};

Result examine(const QByteArray& bytes)
{
    Result r;
    TByteSource source(bytes);
    r.ok = r.mpeg.ReadFromSource(source);
    return r;
}

// The same through a device, where only the bytes looked at are read.
Result examineDevice(const QByteArray& bytes)
{
    Result r;
    BoundedDevice device(bytes);
    TByteSource source(&device);
    r.ok = r.mpeg.ReadFromSource(source) && !device.outside();
    return r;
}

// Up to the given size with zero bytes.
QByteArray filled(QByteArray bytes, qsizetype size)
{
    bytes.append(size - bytes.size(), '\0');
    return bytes;
}

} // namespace

class TestMPEGaudio : public QObject {
    Q_OBJECT
private slots:
    void headerTest_data();
    void headerTest();
    void frameLength_data();
    void frameLength();
    void secondHeaderMustPass();
    void secondBlock();
    void vbrHeaders_data();
    void vbrHeaders();
    void cbrDuration();
    void durationText_data();
    void durationText();
    void cbrEncoder_data();
    void cbrEncoder();
    void lameTail_data();
    void lameTail();
    void shortAndTagOnlyFiles();
    void tagVersion_data();
    void tagVersion();
    void fromFileWithFewReads();
};

void TestMPEGaudio::headerTest_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<bool>("valid");
    QTest::newRow("MPEG 1 layer III") << "\xFF\xFB\x90\x00"_ba << true;
    QTest::newRow("MPEG 2.5") << "\xFF\xE3\x80\x00"_ba << true;
    QTest::newRow("no sync") << "\xFE\xFB\x90\x00"_ba << false;
    QTest::newRow("sync bits short") << "\xFF\xDB\x90\x00"_ba << false;
    QTest::newRow("reserved version") << "\xFF\xEB\x90\x00"_ba << false;
    QTest::newRow("reserved layer") << "\xFF\xF9\x90\x00"_ba << false;
    QTest::newRow("free format") << "\xFF\xFB\x0C\x00"_ba << false;
    QTest::newRow("bit rate 15") << "\xFF\xFB\xF0\x00"_ba << false;
    QTest::newRow("sample rate 3") << "\xFF\xFB\x9C\x00"_ba << false;
    QTest::newRow("emphasis 2") << "\xFF\xFB\x90\x02"_ba << false;
}

void TestMPEGaudio::headerTest()
{
    QFETCH(QByteArray, header);
    QFETCH(bool, valid);
    QCOMPARE(MPEGFrame::IsFrameHeader(reinterpret_cast<const uchar*>(header.constData())), valid);
}

void TestMPEGaudio::frameLength_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<int>("sampleRate");
    QTest::newRow("MPEG 1 III 128k 44.1k") << "\xFF\xFB\x90\x00"_ba << 417 << 128 << 44100;
    QTest::newRow("with padding") << "\xFF\xFB\x92\x00"_ba << 418 << 128 << 44100;
    QTest::newRow("MPEG 1 III 320k 32k") << "\xFF\xFB\xE8\x00"_ba << 1440 << 320 << 32000;
    QTest::newRow("MPEG 1 I 32k 44.1k padded") << "\xFF\xFF\x12\x00"_ba << 38 << 32 << 44100;
    QTest::newRow("MPEG 1 II 192k 48k") << "\xFF\xFD\xA4\x00"_ba << 576 << 192 << 48000;
    QTest::newRow("MPEG 2 III 64k 22.05k") << "\xFF\xF3\x80\x00"_ba << 208 << 64 << 22050;
    QTest::newRow("MPEG 2 II 64k 22.05k") << "\xFF\xF5\x80\x00"_ba << 208 << 64 << 22050;
    QTest::newRow("MPEG 2.5 III 64k 11.025k") << "\xFF\xE3\x80\x00"_ba << 417 << 64 << 11025;
}

void TestMPEGaudio::frameLength()
{
    QFETCH(QByteArray, header);
    QFETCH(int, length);
    QFETCH(int, bitRate);
    QFETCH(int, sampleRate);
    MPEGFrame f;
    f.decode(reinterpret_cast<const uchar*>(header.constData()));
    QCOMPARE(int(f.FrameLength()), length);
    QCOMPARE(f.BitRate(), bitRate);
    QCOMPARE(f.SampleRate(), sampleRate);

    // And found in a stream of such frames, sized so.
    const auto r = examine(mpegStream(10, uchar(header[1]), uchar(header[2]), uchar(header[3])));
    QVERIFY(r.ok);
    QVERIFY(r.mpeg.Frame.Found);
    QCOMPARE(int(r.mpeg.Frame.Size), length);
}

void TestMPEGaudio::secondHeaderMustPass()
{
    // A lone header whose next frame position holds no header is passed over, byte by byte.
    QByteArray lone = "\xFF\xFB\x90\x00"_ba + QByteArray(96, '\x11');
    const auto r = examine(lone + mpegStream(10));
    QVERIFY(r.mpeg.Frame.Found);
    QCOMPARE(r.mpeg.Frame.Position, qint64(100));

    // A second header that fails the test (emphasis 2) does not count either.
    QByteArray pair = mpegFrame() + "\xFF\xFB\x90\x02"_ba;
    const auto none = examine(filled(pair, 4000));
    QVERIFY(none.ok);
    QVERIFY(!none.mpeg.Frame.Found);
    QCOMPARE(int(none.mpeg.Frame.ModeID), 4);
    QCOMPARE(none.mpeg.Duration(), 0.0);
    QCOMPARE(none.mpeg.EncoderID(), 0);
}

void TestMPEGaudio::secondBlock()
{
    // No frame in the first block: the block at half the file is searched.
    const QByteArray file = QByteArray(20000, '\x22') + mpegStream(60);
    const auto r = examine(file);
    QVERIFY(r.ok);
    QVERIFY(r.mpeg.Frame.Found);
    QCOMPARE(r.mpeg.Frame.Position, qint64(file.size() / 2 - 20000) % 417 == 0
                                        ? 0
                                        : 417 - qint64(file.size() / 2 - 20000) % 417);
}

void TestMPEGaudio::vbrHeaders_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("frames");
    QTest::addColumn<double>("duration");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<QString>("encoder");

    QTest::newRow("Xing, MPEG 1 stereo at 36, LAME")
        << xingStream(36, 1000, 1000 * 418, "LAME3.97") << u"Xing"_s << 1000 << 1152.0 * 1000 / 44100 << 128
        << u"LAME 3.97"_s;
    QTest::newRow("Xing, MPEG 1 mono at 21")
        << xingStream(21, 1000, 1000 * 209, "GOGO", 0xC0) << u"Xing"_s << 1000 << 1152.0 * 1000 / 44100 << 64
        << u"GoGo"_s;
    QTest::newRow("Xing, bytes per frame beyond 16 bits")
        << xingStream(36, 1, 0xFFFFFFF0u, "LAME3.97") << u"Xing"_s << 1 << 1152.0 / 44100 << 65535 << u"LAME 3.97"_s;
    QTest::newRow("Xing, other vendor") << xingStream(36, 2000, 2000 * 417, "Foo") << u"Xing"_s << 2000
                                        << 1152.0 * 2000 / 44100 << 128 << u"Xing"_s;
    QTest::newRow("Xing, one hour and more")
        << xingStream(36, 142598, 142598u * 417, "LAME3.99r") << u"Xing"_s << 142598 << 1152.0 * 142598 / 44100
        << 128 << u"LAME 3.99"_s;
    QByteArray vbri = mpegFrame();
    vbri.replace(36, 18, "VBRI\0\1\0\0\0\x50"_ba + be(500 * 417, 4) + be(500, 4));
    QTest::newRow("VBRI at 36") << vbri + mpegStream(5) << u"VBRI"_s << 500 << 1152.0 * 500 / 44100 << 128
                                << u"FhG"_s;
    QByteArray mpeg2 = mpegFrame(0xF3, 0x80, 0xC0);
    mpeg2.replace(13, 16, "Xing\0\0\0\x0F"_ba + be(300, 4) + be(300 * 208, 4));
    QTest::newRow("MPEG 2 mono at 13") << mpeg2 + mpegStream(5, 0xF3, 0x80, 0xC0) << u"Xing"_s << 300
                                       << 576.0 * 300 / 22050 << 64 << u"Xing"_s;
}

void TestMPEGaudio::vbrHeaders()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, id);
    QFETCH(int, frames);
    QFETCH(double, duration);
    QFETCH(int, bitRate);
    QFETCH(QString, encoder);
    const auto r = examine(file);
    QVERIFY(r.ok);
    QVERIFY(r.mpeg.VBR.Found);
    QCOMPARE(r.mpeg.VBR.ID, id);
    QCOMPARE(int(r.mpeg.VBR.Frames), frames);
    QCOMPARE(r.mpeg.Duration(), duration);
    QCOMPARE(int(r.mpeg.BitRate()), bitRate);
    QCOMPARE(r.mpeg.Encoder(), encoder);
}

void TestMPEGaudio::cbrDuration()
{
    auto r = examine(filled(mpegStream(100), 1000000));
    QVERIFY(r.ok);
    QCOMPARE(r.mpeg.Frame.Position, qint64(0));
    QCOMPARE(r.mpeg.Duration(), 62.5);
    QCOMPARE(r.mpeg.DurationText(), u"01:02"_s);
    QCOMPARE(int(r.mpeg.BitRate()), 128);
    QCOMPARE(r.mpeg.FileLength, qint64(1000000));

    // Both tags and a frame 3 bytes in are left out of the audio.
    const QByteArray v2 = v2Tag(3, v2Frame(3, "TIT2", text0("T")), 0, 978);
    QByteArray file = v2 + "\0\0\0"_ba + mpegStream(100);
    file = filled(file, 1000000 - 128) + id3v1("t", "a", "b", "2000", 0, 1, 1);
    r = examine(file);
    QCOMPARE(r.mpeg.ID3v2.Size, qint64(1000));
    QCOMPARE(r.mpeg.Frame.Position, qint64(3));
    QCOMPARE(r.mpeg.Duration(), (1000000.0 - 1000 - 128 - 3) * 8 / 128 / 1000);
}

void TestMPEGaudio::durationText_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("text");
    // 16,000 bytes a second at 128 kbit/s.
    QTest::newRow("under a second") << 15000 << u"00:00"_s;
    QTest::newRow("59.99 s truncated") << 16000 * 60 - 100 << u"00:59"_s;
    QTest::newRow("one minute") << 16000 * 60 << u"01:00"_s;
    QTest::newRow("62 min 5 s drops the hour") << 16000 * 3725 << u"02:05"_s;
}

void TestMPEGaudio::durationText()
{
    QFETCH(int, bytes);
    QFETCH(QString, text);
    QCOMPARE(examine(filled(mpegStream(3), bytes)).mpeg.DurationText(), text);
}

void TestMPEGaudio::cbrEncoder_data()
{
    QTest::addColumn<uchar>("b1");
    QTest::addColumn<uchar>("b3");
    QTest::addColumn<bool>("zeros");
    QTest::addColumn<int>("encoder");
    QTest::newRow("joint stereo, no marks: FhG") << uchar(0xFB) << uchar(0x40) << false << 2;
    QTest::newRow("original with CRC: LAME") << uchar(0xFA) << uchar(0x44) << false << 3;
    QTest::newRow("stereo at 128k: Blade") << uchar(0xFA) << uchar(0x04) << false << 4;
    QTest::newRow("copyright and original, no CRC: Xing") << uchar(0xFB) << uchar(0x4C) << false << 1;
    QTest::newRow("zeros behind header and original: Xing") << uchar(0xFB) << uchar(0x44) << true << 1;
    QTest::newRow("dual channel with CRC: Shine") << uchar(0xFA) << uchar(0x80) << false << 6;
}

void TestMPEGaudio::cbrEncoder()
{
    QFETCH(uchar, b1);
    QFETCH(uchar, b3);
    QFETCH(bool, zeros);
    QFETCH(int, encoder);
    QByteArray file = mpegStream(10, b1, 0x90, b3);
    if (!zeros)
        file[5] = '\x55';
    const auto r = examine(file);
    QVERIFY(r.mpeg.Frame.Found);
    QVERIFY(!r.mpeg.VBR.Found);
    QCOMPARE(r.mpeg.EncoderID(), encoder);
    QCOMPARE(r.mpeg.Encoder(), TMPEGaudio::EncoderName(encoder));
}

void TestMPEGaudio::lameTail_data()
{
    QTest::addColumn<bool>("device");
    QTest::newRow("memory") << false;
    QTest::newRow("device") << true;
}

void TestMPEGaudio::lameTail()
{
    QFETCH(bool, device);
    const auto read = device ? examineDevice : examine;
    // The mark counts when it ends within Size * 5 + 8 bytes of the searched block's end.
    const QByteArray tagV1 = id3v1("t", "a", "b", "2000", 0, 1, 1);
    auto withMark = [&](const QByteArray& mark, int fromEnd, bool withV1 = true) {
        QByteArray audio = mpegStream(20, 0xFB, 0x90, 0x40);
        audio[5] = '\x55';
        audio.replace(audio.size() - fromEnd - mark.size(), mark.size(), mark);
        return read(withV1 ? audio + tagV1 : audio);
    };
    auto r = withMark("LAME3.97", 300);
    QCOMPARE(r.mpeg.TailEncoder, u"LAME3.97"_s);
    QCOMPARE(r.mpeg.Encoder(), u"LAME 3.97"_s);
    r = withMark("LAME3.97", 417 * 5);
    QCOMPARE(r.mpeg.Encoder(), u"LAME 3.97"_s);
    r = withMark("LAME3.97", 417 * 5 + 1);
    QVERIFY(r.mpeg.TailEncoder.isEmpty());
    QCOMPARE(r.mpeg.Encoder(), u"FhG"_s);
    r = withMark("LAME3.97", 417 * 5, false);
    QCOMPARE(r.mpeg.Encoder(), u"LAME 3.97"_s);
    r = withMark("LAME3.97", 417 * 5 + 1, false);
    QVERIFY(r.mpeg.TailEncoder.isEmpty());
    r = withMark("GOGO", 10);
    QCOMPARE(r.mpeg.TailEncoder, u"GOGO"_s);
    QCOMPARE(r.mpeg.Encoder(), u"GoGo"_s);
    r = withMark("LAMEx", 10);
    QCOMPARE(r.mpeg.Encoder(), u"LAME"_s);

    // A stream shorter than the block is scanned as far as it goes.
    QByteArray tiny = mpegStream(3, 0xFB, 0x90, 0x40);
    tiny.replace(tiny.size() - 20, 8, "LAME3.90");
    r = read(tiny);
    QVERIFY(r.ok);
    QCOMPARE(r.mpeg.Encoder(), u"LAME 3.90"_s);
}

void TestMPEGaudio::shortAndTagOnlyFiles()
{
    auto r = examine(mpegStream(1).left(127));
    QVERIFY(!r.ok);
    r = examine("ID3\4\0"_ba);
    QVERIFY(!r.ok);
    r = examine({});
    QVERIFY(!r.ok);

    // A tag and no audio: examined, but nothing kept, not even the tag.
    r = examine(v2Tag(3, v2Frame(3, "TIT2", text0("Only a tag")), 0, 5000));
    QVERIFY(r.ok);
    QVERIFY(!r.mpeg.Frame.Found);
    QVERIFY(!r.mpeg.ID3v2.Exists);
    QVERIFY(r.mpeg.ID3v2.Title.isEmpty());
    QCOMPARE(int(r.mpeg.Frame.ModeID), 4);
    QCOMPARE(r.mpeg.Duration(), 0.0);
    QCOMPARE(r.mpeg.TagVersion(), u"?"_s);
    QCOMPARE(r.mpeg.FileLength, qint64(0));
}

void TestMPEGaudio::tagVersion_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("version");
    const QByteArray audio = mpegStream(10);
    const QByteArray v1 = id3v1("t", "a", "b", "2000", 0, 1, 1);
    QTest::newRow("both, v2 first") << v2Tag(4, v2Frame(4, "TIT2", text0("T"))) + audio + v1 << u"ID3v2.4"_s;
    QTest::newRow("v1.1 only") << audio + v1 << u"ID3v1.1"_s;
    QTest::newRow("none") << audio << u"?"_s;
}

void TestMPEGaudio::tagVersion()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, version);
    QCOMPARE(examine(file).mpeg.TagVersion(), version);
}

void TestMPEGaudio::fromFileWithFewReads()
{
    // A tag with a 200 KB picture, a long stream: a few reads, whatever the sizes.
    const QByteArray picture = "\0image/jpeg\0\3\0"_ba + QByteArray(200000, '\x33');
    const QByteArray tag = v2Tag(3, v2Frame(3, "APIC", picture) + v2Frame(3, "TIT2", text0("Cover")), 0, 2048);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"long.mp3"_s);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(tag + mpegStream(2000) + id3v1("t", "a", "b", "2000", 0, 1, 1));
    f.close();
    TMPEGaudio mpeg;
    QVERIFY(mpeg.ReadFromFile(path));
    QCOMPARE(mpeg.ID3v2.Title, u"Cover"_s);
    QVERIFY(mpeg.Frame.Found);
    QCOMPARE(mpeg.Frame.Position, qint64(0));
    QVERIFY(mpeg.FileDate.isValid());
    // The head, the tail, the tag, the first block behind it.
    QVERIFY2(mpeg.Reads <= 4, qPrintable(QString::number(mpeg.Reads)));
    QVERIFY(!mpeg.ReadFromFile(dir.filePath(u"missing.mp3"_s)));
    QVERIFY(!mpeg.Frame.Found);
}

QTEST_GUILESS_MAIN(TestMPEGaudio)
#include "test_mpegaudio.moc"
