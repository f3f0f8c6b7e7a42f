#include "audio/tid3v2.h"

#include "audio/id3text.h"
#include "audio/id3v2frame.h"
#include "audio/id3v2header.h"

namespace vintora::audio {

namespace {

struct SlotEntry {
    int slot;
    const char* id34;
    const char* id2;
};

// Slots 7, 9-12 and 18 hold frames nothing uses.
const SlotEntry frameTable[] = {
    {1, "TIT2", "TT2"},  {2, "TPE1", "TP1"},  {3, "TALB", "TAL"},  {4, "TRCK", "TRK"},
    {5, "TYER", "TYE"},  {6, "TCON", "TCO"},  {8, "TCOM", "TCM"},  {13, "TDRC", "TOR"},
    {14, "TOPE", "TOA"}, {15, "TIT1", "TT1"}, {16, "TOAL", "TOT"}, {17, "USLT", nullptr},
};

quint16 trackNumber(const QString& text)
{
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    bool ok = false;
    const int n = (slash >= 0 ? text.left(slash) : text).toInt(&ok);
    return ok ? quint16(n & 0xFFFF) : 0;
}

} // namespace

void TID3v2::ResetData()
{
    *this = TID3v2();
}

int TID3v2::SlotOf(const QByteArray& id, int version)
{
    for (const SlotEntry& e : frameTable) {
        const char* name = version == 2 ? e.id2 : e.id34;
        if (name && id == name)
            return e.slot;
    }
    return -1;
}

bool TID3v2::ReadFromFile(const QString& fileName)
{
    ResetData();
    TByteSource source(fileName);
    return source.isOpen() && ReadFromSource(source);
}

bool TID3v2::ReadFromSource(TByteSource& source)
{
    ResetData();
    const QByteArrayView head = source.view(0, ID3v2Header::Length);
    if (head.size() < ID3v2Header::Length || source.failed())
        return false;
    ID3v2Header header;
    if (!header.parse(head))
        return true;
    Exists = true;
    VersionID = header.Major;
    Size = header.tagSize();
    if (Size > source.size())
        Size = 0; // present but empty
    if (VersionID < 2 || VersionID > 4 || Size == 0)
        return true;

    // The body as one read, footer left out, walked where it lies.
    QByteArrayView body = source.view(ID3v2Header::Length, header.BodySize);
    if (source.failed())
        return true;
    QByteArray resynchronised;
    if (header.unsynchronised() && VersionID < 4) {
        resynchronised = ID3v2Header::resynchronised(body);
        body = resynchronised;
    }

    qsizetype start = 0;
    if (header.extendedHeader() && VersionID >= 3) {
        if (body.size() < 4)
            return true;
        const auto* p = reinterpret_cast<const uchar*>(body.constData());
        // Version 3 counts the size without its own 4 bytes, version 4 with them (synchsafe).
        const qint64 ext = VersionID == 3 ? ID3v2Header::bigEndian(p, 4) + 4 : ID3v2Header::synchsafe(p, 4);
        if (ext < 4 || ext > body.size())
            return true;
        start = qsizetype(ext);
    }

    QByteArray slotData[SlotCount + 1];
    walkFrames(body, start, body.size(), slotData);
    deriveFields(slotData);
    return true;
}

void TID3v2::walkFrames(QByteArrayView body, qsizetype pos, qsizetype end, QByteArray* slotData) const
{
    const int hl = ID3v2Frame::headerLength(VersionID);
    const qsizetype limit = VersionID == 2 ? FrameLimitV22 : FrameLimit;
    ID3v2Frame frame;
    while (pos < end && frame.parse(body, pos, end, VersionID)) {
        const char first = frame.ID.at(0);
        if (first < 'A' || first > 'Z')
            break; // padding
        const qsizetype dataPos = pos + hl;
        const qint64 next = qint64(dataPos) + frame.Size;
        const int slot = SlotOf(frame.ID, VersionID);
        qsizetype skip = 0;
        bool unsync = false;
        if (slot > 0 && frame.dataRange(VersionID, skip, unsync)) {
            const qint64 available = qMin<qint64>(frame.Size, end - dataPos);
            const QByteArrayView raw = body.sliced(dataPos, qsizetype(qMin<qint64>(available, limit)));
            QByteArray data = unsync ? ID3v2Header::resynchronised(raw) : raw.toByteArray();
            data = data.mid(skip);
            if (!data.isEmpty() && uchar(data.at(0)) <= 3)
                slotData[slot] = data;
        }
        if (next >= end)
            break;
        pos = qsizetype(next);
    }
}

void TID3v2::deriveFields(const QByteArray* slotData)
{
    auto text = [slotData](int slot) { return ID3Text::decode(slotData[slot]); };
    Title = text(1);
    if (Title.isEmpty())
        Title = text(15);
    OriginalArtist = text(14);
    Artist = text(2);
    if (Artist.isEmpty())
        Artist = OriginalArtist;
    Album = text(3);
    if (Album.isEmpty())
        Album = text(16);
    Track = trackNumber(text(4));
    Year = text(5);
    if (Year.isEmpty())
        Year = text(13).left(4);
    Genre = text(6);
    const qsizetype paren = Genre.lastIndexOf(QLatin1Char(')'));
    if (paren >= 0)
        Genre = Genre.mid(paren + 1);
    Composer = text(8);
    Lyrics = ID3Text::decodeLanguageText(slotData[17]);
}

} // namespace vintora::audio
