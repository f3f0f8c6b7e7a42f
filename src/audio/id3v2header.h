#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

namespace vintora::audio {

// The 10-byte header at the start of an ID3v2 tag.
struct ID3v2Header {
    static constexpr int Length = 10;

    quint8 Major = 0;
    quint8 Revision = 0;
    quint8 Flags = 0;
    // The size field, each of its 4 bytes worth 7 bits and taken whole.
    qint64 BodySize = 0;

    // False unless the bytes begin with "ID3" and hold a whole header.
    bool parse(QByteArrayView bytes);

    bool unsynchronised() const { return Flags & 0x80; }
    bool extendedHeader() const { return Flags & 0x40; }
    bool footer() const { return Flags & 0x10; }
    // Header, body and footer.
    qint64 tagSize() const { return BodySize + Length + (footer() ? Length : 0); }

    // A 7-bit-per-byte number; -1 when a byte has its top bit set.
    static qint64 synchsafe(const uchar* p, int n);
    static qint64 bigEndian(const uchar* p, int n);
    // Undoes the unsynchronisation scheme (FF 00 becomes FF).
    static QByteArray resynchronised(QByteArrayView data);
};

} // namespace vintora::audio
