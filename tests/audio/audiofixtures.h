#pragma once
// Byte builders for the reader tests: tags, frames and MPEG streams made in memory.
#include "audio/mpegframe.h"

#include <QByteArray>
#include <QString>

namespace vintora::audio::fixtures {

inline QByteArray be(quint32 v, int n)
{
    QByteArray out;
    for (int i = n - 1; i >= 0; --i)
        out.append(char((v >> (8 * i)) & 0xFF));
    return out;
}

inline QByteArray synchsafe(quint32 v)
{
    QByteArray out;
    for (int i = 3; i >= 0; --i)
        out.append(char((v >> (7 * i)) & 0x7F));
    return out;
}

// One frame of a tag body. Version 4 sizes are synchsafe unless plainSize.
inline QByteArray v2Frame(int version, const QByteArray& id, const QByteArray& data, quint16 flags = 0,
                          bool plainSize = false)
{
    if (version == 2)
        return id + be(quint32(data.size()), 3) + data;
    const QByteArray size = (version == 4 && !plainSize) ? synchsafe(quint32(data.size()))
                                                         : be(quint32(data.size()), 4);
    return id + size + be(flags, 2) + data;
}

// A whole tag: header, body, padding.
inline QByteArray v2Tag(int version, const QByteArray& body, quint8 flags = 0, int padding = 0)
{
    const QByteArray padded = body + QByteArray(padding, '\0');
    return QByteArray("ID3") + char(version) + char(0) + char(flags) + synchsafe(quint32(padded.size())) +
           padded;
}

// An encoding-0 text frame's data.
inline QByteArray text0(const QByteArray& bytes)
{
    return QByteArray(1, '\0') + bytes;
}

inline QByteArray utf16le(const QString& s, bool bom = true)
{
    QByteArray out;
    if (bom)
        out += "\xFF\xFE";
    for (QChar c : s) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

inline QByteArray utf16be(const QString& s, bool bom = true)
{
    QByteArray out;
    if (bom)
        out += "\xFE\xFF";
    for (QChar c : s) {
        out.append(char(c.unicode() >> 8));
        out.append(char(c.unicode() & 0xFF));
    }
    return out;
}

inline QByteArray id3v1(const QByteArray& title, const QByteArray& artist, const QByteArray& album,
                        const QByteArray& year, char b125, char b126, uchar genre)
{
    auto pad = [](QByteArray s, int n) {
        s.truncate(n);
        return s + QByteArray(n - s.size(), '\0');
    };
    return QByteArray("TAG") + pad(title, 30) + pad(artist, 30) + pad(album, 30) + pad(year, 4) +
           QByteArray(28, '\0') + b125 + b126 + char(genre);
}

// One MPEG frame: the header and zeros up to its length.
inline QByteArray mpegFrame(uchar b1 = 0xFB, uchar b2 = 0x90, uchar b3 = 0x00)
{
    const uchar h[4] = {0xFF, b1, b2, b3};
    MPEGFrame f;
    f.decode(h);
    QByteArray out(f.FrameLength(), '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char(h[i]);
    return out;
}

inline QByteArray mpegStream(int frames, uchar b1 = 0xFB, uchar b2 = 0x90, uchar b3 = 0x00)
{
    QByteArray out;
    const QByteArray one = mpegFrame(b1, b2, b3);
    for (int i = 0; i < frames; ++i)
        out += one;
    return out;
}

// The first frame with a Xing header at offset off, then plain frames.
inline QByteArray xingStream(int offset, quint32 frames, quint32 bytes, const QByteArray& vendor,
                             uchar b3 = 0x00, int count = 8)
{
    QByteArray first = mpegFrame(0xFB, 0x90, b3);
    QByteArray xing = QByteArray("Xing") + be(0x0F, 4) + be(frames, 4) + be(bytes, 4) + QByteArray(100, '\0') +
                      be(77, 4) + vendor.left(8);
    first.replace(offset, xing.size(), xing);
    return first + mpegStream(count, 0xFB, 0x90, b3);
}

} // namespace vintora::audio::fixtures
