#pragma once
// Small MP3 files for the import tests: an ID3v2.3 tag (UTF-16 texts), valid MPEG-1 Layer III
// frames and an optional ID3v1 tag, written in code so every case shows its own bytes.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace vintora::test {

struct Mp3Tags {
    QString title, artist, album, year, track, genre, composer, originalArtist, lyrics;
};

struct Mp3V1 {
    QByteArray title, artist, album, year;
    uchar track = 0;
    uchar genre = 255;
};

inline QByteArray be32(quint32 v)
{
    QByteArray out;
    for (int i = 3; i >= 0; --i)
        out += char((v >> (8 * i)) & 0xFF);
    return out;
}

inline QByteArray utf16Text(const QString& s)
{
    QByteArray out("\xFF\xFE", 2);
    for (const QChar c : s) {
        out += char(c.unicode() & 0xFF);
        out += char(c.unicode() >> 8);
    }
    return out;
}

inline QByteArray id3v2Frame(const char* id, const QByteArray& data)
{
    return QByteArray(id, 4) + be32(quint32(data.size())) + QByteArray(2, '\0') + data;
}

inline QByteArray id3v23Tag(const Mp3Tags& t)
{
    QByteArray body;
    auto text = [&](const char* id, const QString& value) {
        if (!value.isEmpty())
            body += id3v2Frame(id, QByteArray(1, '\x01') + utf16Text(value));
    };
    text("TIT2", t.title);
    text("TPE1", t.artist);
    text("TALB", t.album);
    text("TYER", t.year);
    text("TRCK", t.track);
    text("TCON", t.genre);
    text("TCOM", t.composer);
    text("TOPE", t.originalArtist);
    if (!t.lyrics.isEmpty())
        body += id3v2Frame("USLT", QByteArray(1, '\x01') + QByteArray("eng") + utf16Text({}) + QByteArray(2, '\0') +
                                       utf16Text(t.lyrics));
    body += QByteArray(16, '\0'); // padding
    const quint32 n = quint32(body.size());
    QByteArray size;
    for (int i = 3; i >= 0; --i)
        size += char((n >> (7 * i)) & 0x7F);
    return QByteArray("ID3\x03\x00\x00", 6) + size + body;
}

inline QByteArray id3v1Tag(const Mp3V1& t)
{
    auto pad = [](QByteArray s, int n) { return s.left(n) + QByteArray(n - qMin(n, int(s.size())), '\0'); };
    return QByteArray("TAG") + pad(t.title, 30) + pad(t.artist, 30) + pad(t.album, 30) + pad(t.year, 4) +
           QByteArray(28, '\0') + char(0) + char(t.track) + char(t.genre);
}

// frames of 128 kbit/s, 44.1 kHz, stereo (417 bytes each); filler bytes never form a sync word.
inline QByteArray mpegFrames(int frames)
{
    QByteArray one(417, '\x55');
    one[0] = char(0xFF);
    one[1] = char(0xFB);
    one[2] = char(0x90);
    one[3] = char(0x00);
    return one.repeated(frames);
}

inline QByteArray mp3File(const Mp3Tags* v2, const Mp3V1* v1 = nullptr, int frames = 40)
{
    QByteArray out;
    if (v2)
        out += id3v23Tag(*v2);
    out += mpegFrames(frames);
    if (v1)
        out += id3v1Tag(*v1);
    return out;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace vintora::test
