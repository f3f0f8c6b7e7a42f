#include "audio/id3v2frame.h"

#include "audio/id3v2header.h"

namespace vintora::audio {

namespace {

bool isIdChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

bool ID3v2Frame::landsOnFrame(QByteArrayView body, qsizetype pos, qsizetype end, int version)
{
    if (pos == end)
        return true;
    if (pos > end || pos < 0)
        return false;
    if (body.at(pos) == 0)
        return true; // padding
    const int idLen = version == 2 ? 3 : 4;
    if (pos + headerLength(version) > end)
        return false;
    for (int i = 0; i < idLen; ++i) {
        if (!isIdChar(body.at(pos + i)))
            return false;
    }
    if (body.at(pos) < 'A' || body.at(pos) > 'Z')
        return false;
    // Text that merely looks like an ID rarely continues with a size that fits the tag.
    const auto* p = reinterpret_cast<const uchar*>(body.constData() + pos + idLen);
    const qint64 room = end - pos - headerLength(version);
    if (version == 2)
        return ID3v2Header::bigEndian(p, 3) <= room;
    const qint64 safe = ID3v2Header::synchsafe(p, 4);
    return (safe >= 0 && safe <= room) || ID3v2Header::bigEndian(p, 4) <= room;
}

bool ID3v2Frame::parse(QByteArrayView body, qsizetype pos, qsizetype end, int version)
{
    *this = ID3v2Frame();
    const int hl = headerLength(version);
    if (pos < 0 || pos + hl > end || end > body.size())
        return false;
    const auto* p = reinterpret_cast<const uchar*>(body.constData() + pos);
    if (version == 2) {
        ID = QByteArray(reinterpret_cast<const char*>(p), 3);
        Size = ID3v2Header::bigEndian(p + 3, 3);
        return true;
    }
    ID = QByteArray(reinterpret_cast<const char*>(p), 4);
    Flags = quint16(p[8] << 8 | p[9]);
    const qint64 plain = ID3v2Header::bigEndian(p + 4, 4);
    Size = plain;
    if (version == 4) {
        const qint64 safe = ID3v2Header::synchsafe(p + 4, 4);
        if (safe == plain)
            return true;
        const qsizetype next = pos + hl;
        if (safe >= 0 && landsOnFrame(body, next + safe, end, version))
            Size = safe;
        else if (landsOnFrame(body, next + plain, end, version))
            Size = plain;
        else if (safe >= 0)
            Size = safe;
    }
    return true;
}

bool ID3v2Frame::dataRange(int version, qsizetype& skip, bool& unsynchronised) const
{
    skip = 0;
    unsynchronised = false;
    if (version == 3) {
        if (Flags & 0x00C0) // compressed or encrypted
            return false;
        if (Flags & 0x0020) // group byte
            skip += 1;
    } else if (version == 4) {
        if (Flags & 0x000C) // compressed or encrypted
            return false;
        if (Flags & 0x0040) // group byte
            skip += 1;
        if (Flags & 0x0001) // data length indicator
            skip += 4;
        unsynchronised = Flags & 0x0002;
    }
    return true;
}

} // namespace vintora::audio
