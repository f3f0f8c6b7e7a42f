#include "audio/tmpegaudio.h"

#include <cmath>
#include <cstring>

namespace vintora::audio {

namespace {

// Read at the start in one go: the ID3v2 header, a small tag and the first block behind it. One
// page; a larger tag extends it by what is missing.
constexpr qint64 HeadPrefetch = 4096;

} // namespace

void TMPEGaudio::ResetData()
{
    *this = TMPEGaudio();
}

bool TMPEGaudio::ReadFromFile(const QString& fileName)
{
    ResetData();
    TByteSource source(fileName);
    if (!source.isOpen())
        return false;
    const bool ok = ReadFromSource(source);
    if (Frame.Found)
        FileDate = source.modificationTime();
    return ok;
}

bool TMPEGaudio::ReadFromSource(TByteSource& source)
{
    ResetData();
    const int before = source.reads();
    const bool ok = examine(source);
    const int reads = source.reads() - before;
    if (!ok || !Frame.Found)
        ResetData();
    Reads = reads;
    return ok;
}

bool TMPEGaudio::searchBlock(TByteSource& source, qint64 pos, bool& full)
{
    const QByteArrayView block = source.view(pos, BlockSize);
    if (source.failed())
        return false;
    full = block.size() == BlockSize;
    if (full) {
        FindFrame(block, Frame, VBR);
    } else {
        // The rest of a short block counts as zero bytes.
        char padded[BlockSize] = {};
        if (!block.isEmpty()) // nothing behind a tag that fills the file
            memcpy(padded, block.data(), size_t(block.size()));
        FindFrame(QByteArrayView(padded, BlockSize), Frame, VBR);
    }
    return true;
}

bool TMPEGaudio::examine(TByteSource& source)
{
    const qint64 length = source.size();
    source.prefetch(0, HeadPrefetch);
    // A tag larger than the head is fetched with the first block behind it.
    source.setReadAhead(BlockSize);
    const bool ok2 = ID3v2.ReadFromSource(source);
    source.setReadAhead(0);
    // The ID3v1 tag is read with the tail below; a file too short for it fails here already.
    if (!ok2 || length < TID3v1::TagSize)
        return false;
    FileLength = length;

    bool full = false;
    if (!searchBlock(source, ID3v2.Size, full))
        return false;
    // Measured from the file's start, as the import always did.
    if (!Frame.Found && full && !searchBlock(source, (FileLength - ID3v2.Size) / 2, full))
        return false;

    // The ID3v1 tag and, for the encoder mark, the bytes before it that the tail scan looks at:
    // one read at the end of the file.
    const qint64 scan = Frame.Found && !VBR.Found ? tailScanLength() : 0;
    source.prefetch(qMax<qint64>(0, length - TID3v1::TagSize - scan), TID3v1::TagSize + scan);
    if (!ID3v1.ReadFromSource(source))
        return false;
    if (scan > 0)
        scanTail(source);
    return !source.failed();
}

qint64 TMPEGaudio::tailScanLength() const
{
    // Windows 0..W of 8 bytes each, ending at the block's end.
    return qMin(int(quint16(Frame.Size * 5)), int(BlockSize - 8)) + 8;
}

void TMPEGaudio::scanTail(TByteSource& source)
{
    const qint64 end = FileLength - (ID3v1.Exists ? TID3v1::TagSize : 0);
    const qint64 scan = tailScanLength();
    const qint64 start = qMax<qint64>(0, end - scan);
    const QByteArrayView tail = source.view(start, end - start);
    for (qsizetype at = tail.size() - 8; at >= 0 && at >= tail.size() - scan; --at) {
        const char* p = tail.data() + at;
        if (p[0] == 'L' && memcmp(p, "LAME", 4) == 0) {
            qsizetype n = 0;
            while (n < 8 && p[n] != 0)
                ++n;
            TailEncoder = QString::fromLatin1(p, n);
            return;
        }
        if (p[0] == 'G' && memcmp(p, "GOGO", 4) == 0) {
            TailEncoder = QStringLiteral("GOGO");
            return;
        }
    }
}

void TMPEGaudio::FindFrame(QByteArrayView block, MPEGFrame& frame, VBRData& vbr)
{
    frame = MPEGFrame();
    vbr = VBRData();
    const auto* b = reinterpret_cast<const uchar*>(block.data());
    const qsizetype n = block.size();
    for (qsizetype p = 0; p <= SearchEnd && p + 4 <= n; ++p) {
        if (b[p] != 0xFF || !MPEGFrame::IsFrameHeader(b + p))
            continue;
        MPEGFrame candidate;
        candidate.decode(b + p);
        const quint16 len = candidate.FrameLength();
        if (p + len + 4 > n || !MPEGFrame::IsFrameHeader(b + p + len))
            continue;
        frame = candidate;
        frame.Found = true;
        frame.Position = p;
        frame.Size = len;
        frame.Xing = p + 10 <= n;
        for (qsizetype i = p + 4; i < p + 10 && i < n; ++i)
            frame.Xing = frame.Xing && b[i] == 0;
        vbr.read(block, p + frame.VBROffset());
        return;
    }
}

quint16 TMPEGaudio::BitRate() const
{
    if (VBR.Found && VBR.Frames > 0) {
        const int rate = Frame.SampleRate();
        const double v = (double(VBR.Bytes) / VBR.Frames - Frame.Padding()) * rate / Frame.Coefficient() / 1000;
        // Counts of a damaged header can give any value; keep it inside the 16-bit field.
        return quint16(qBound(0.0, std::nearbyint(v), 65535.0));
    }
    return quint16(Frame.BitRate());
}

double TMPEGaudio::Duration() const
{
    if (!Frame.Found)
        return 0;
    const int rate = Frame.SampleRate();
    if (VBR.Found && VBR.Frames > 0)
        return rate > 0 ? double(Frame.Coefficient()) * VBR.Frames * 8 / rate : 0;
    const int kbps = Frame.BitRate();
    if (kbps == 0)
        return 0;
    const qint64 audio =
        FileLength - ID3v2.Size - (ID3v1.Exists ? TID3v1::TagSize : 0) - Frame.Position;
    return audio > 0 ? double(audio) * 8 / kbps / 1000 : 0;
}

QString TMPEGaudio::DurationText() const
{
    // As a time of day: whole milliseconds first, then seconds truncated.
    const qint64 ms = qint64(std::floor(Duration() * 1000 + 0.5));
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int TMPEGaudio::EncoderID() const
{
    if (!Frame.Found)
        return 0;
    if (VBR.Found) {
        int id = 0;
        const bool lame = VBR.VendorID.startsWith(QLatin1String("LAME"));
        const bool gogo = VBR.VendorID.startsWith(QLatin1String("GOGO")) ||
                          VBR.VendorID.startsWith(QLatin1String("MPGE"));
        if (lame)
            id = 3;
        if (gogo)
            id = 5;
        if (VBR.ID == QLatin1String("Xing") && !lame && !gogo)
            id = 1;
        if (VBR.ID == QLatin1String("VBRI"))
            id = 2;
        return id;
    }
    int id = 2;
    if (Frame.OriginalBit && Frame.ProtectionBit)
        id = 3;
    if (Frame.BitRate() <= 160 && Frame.ModeID == 0)
        id = 4;
    if (Frame.CopyrightBit && Frame.OriginalBit && !Frame.ProtectionBit)
        id = 1;
    if (Frame.Xing && Frame.OriginalBit)
        id = 1;
    if (Frame.ModeID == 2 && Frame.ProtectionBit)
        id = 6;
    if (TailEncoder.startsWith(QLatin1String("LAME")))
        id = 3;
    if (TailEncoder.startsWith(QLatin1String("GOGO")))
        id = 5;
    return id;
}

QString TMPEGaudio::EncoderName(int id)
{
    static const char* const names[] = {"Unknown", "Xing", "FhG", "LAME", "Blade", "GoGo", "Shine"};
    return (id >= 0 && id <= 6) ? QString::fromLatin1(names[id]) : QString();
}

QString TMPEGaudio::Encoder() const
{
    const int id = EncoderID();
    QString name = EncoderName(id);
    const QString v = TailEncoder.isEmpty() ? VBR.VendorID : TailEncoder;
    if (id == 3 && v.size() > 7 && v.at(4).isDigit() && v.at(5) == QLatin1Char('.') && v.at(6).isDigit() &&
        v.at(7).isDigit())
        name += QLatin1Char(' ') + v.mid(4, 4);
    return name;
}

QString TMPEGaudio::TagVersion() const
{
    if (ID3v2.Exists)
        return ID3v2.Version();
    if (ID3v1.Exists)
        return ID3v1.Version();
    return QStringLiteral("?");
}

} // namespace vintora::audio
