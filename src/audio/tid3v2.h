#pragma once
#include "audio/tbytesource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vintora::audio {

// An ID3v2.2, 2.3 or 2.4 tag at the start of a file. Read only; the tag is fetched with one read
// and walked in memory.
class TID3v2 {
public:
    bool Exists = false;
    quint8 VersionID = 0; // major version byte
    qint64 Size = 0;      // whole tag with header and footer; 0 when there is no usable tag
    QString Title, Artist, Album, Year, Genre, Composer, OriginalArtist, Lyrics;
    quint16 Track = 0;

    // Frame data kept per slot of the frame table (at most this much of one frame is read).
    static constexpr qsizetype FrameLimit = 65535;
    static constexpr qsizetype FrameLimitV22 = 500;

    void ResetData();
    // False when the first 10 bytes cannot be read.
    bool ReadFromFile(const QString& fileName);
    bool ReadFromSource(TByteSource& source);

    QString Version() const { return QStringLiteral("ID3v2.") + QString::number(VersionID); }

    // Slot of the frame table for a frame ID of the given version, -1 when it is not read.
    static int SlotOf(const QByteArray& id, int version);

private:
    static constexpr int SlotCount = 18;
    void walkFrames(QByteArrayView body, qsizetype start, qsizetype end, QByteArray* slotData) const;
    void deriveFields(const QByteArray* slotData);
};

} // namespace vintora::audio
