#pragma once
#include "audio/tbytesource.h"

#include <QString>

namespace vintora::audio {

// The fixed 128-byte ID3v1 / ID3v1.1 tag at the end of a file. Read only.
class TID3v1 {
public:
    bool Exists = false;
    quint8 VersionID = 1; // 1 = ID3v1.0, 2 = ID3v1.1
    QString Title, Artist, Album, Year;
    quint8 Track = 0;
    quint8 GenreID = 255; // 255 = none

    static constexpr int TagSize = 128;
    static constexpr int GenreCount = 148;

    void ResetData();
    // False when the last 128 bytes cannot be read (file shorter than that, or unreadable).
    bool ReadFromFile(const QString& fileName);
    bool ReadFromSource(TByteSource& source);
    // Parses a 128-byte block; false when it is shorter.
    bool ReadFromBlock(QByteArrayView block);

    QString Genre() const { return GenreName(GenreID); }
    QString Version() const;
    // The ID3v1 genre list with the Winamp extensions; empty from 148 on.
    static QString GenreName(int id);
};

} // namespace vintora::audio
