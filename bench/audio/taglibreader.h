#pragma once
#include <QString>

// What TagLib makes of a file: the fields the import takes, playing time and bit rate.
struct TagLibResult {
    bool ok = false;
    bool hasID3v2 = false, hasID3v1 = false;
    QString title, artist, album, genre, composer, originalArtist, lyrics;
    unsigned year = 0, track = 0;
    int lengthMs = 0, bitrate = 0;
    int reads = 0;
};

class TagLibReader {
public:
    // Tags and audio properties (average accuracy), as an importer would ask for them.
    static TagLibResult read(const QString& path, bool withFrames);
};
