#pragma once
#include <QString>

namespace vintora::catalogue {

// The values of the MP3 file being imported, shared by the import window and its engine.
struct ImportState {
    QString PerformerName;
    int PerformerID = -1;
    QString Year;
    QString AlbumTitle;
    int AlbumID = -1;
    QString GenreName;
    int GenreID = -1;
    QString TrackTitle;
    int TrackNumber = -1;
    int TrackID = -1;
    QString LengthText;
    QString Authors;
    QString SecondPerformerName;
    int SecondPerformerID = -1;
    QString Lyrics;

    // Before every file: IDs -1, texts empty, TrackNumber -1.
    void reset() { *this = ImportState(); }
};

} // namespace vintora::catalogue
