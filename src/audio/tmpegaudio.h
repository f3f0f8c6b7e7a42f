#pragma once
#include "audio/mpegframe.h"
#include "audio/tbytesource.h"
#include "audio/tid3v1.h"
#include "audio/tid3v2.h"
#include "audio/vbrdata.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vintora::audio {

// One MP3 file examined without decoding: both tags, the first valid frame after the ID3v2 tag,
// a Xing or VBRI header in it, the encoder, bit rate and playing time. Costs a few small reads
// whatever the file's size. Create once and reuse; every read starts from a full reset.
class TMPEGaudio {
public:
    qint64 FileLength = 0;
    QDateTime FileDate;
    QString TailEncoder; // an encoder mark near the end of the file
    VBRData VBR;
    MPEGFrame Frame;
    TID3v1 ID3v1;
    TID3v2 ID3v2;
    int Reads = 0; // physical reads the last examination made

    static constexpr qsizetype BlockSize = 3458;
    static constexpr qsizetype SearchEnd = 1729; // last start position tried in a block

    void ResetData();
    // True when the file was examined; a file without a valid frame pair leaves a reset object.
    bool ReadFromFile(const QString& fileName);
    bool ReadFromSource(TByteSource& source);

    quint16 BitRate() const; // kbit/s; the average for VBR files
    double Duration() const; // seconds; 0 without a frame
    QString DurationText() const; // "MM:SS", hours dropped
    int EncoderID() const;        // 0..6
    QString Encoder() const;
    QString TagVersion() const;

    static QString EncoderName(int id);
    // The first frame whose header is followed one frame length later by another header.
    static void FindFrame(QByteArrayView block, MPEGFrame& frame, VBRData& vbr);

private:
    bool examine(TByteSource& source);
    // Runs the frame search on the block at pos; false on a read failure.
    bool searchBlock(TByteSource& source, qint64 pos, bool& full);
    // The bytes before the end that the encoder-mark scan looks at.
    qint64 tailScanLength() const;
    void scanTail(TByteSource& source);
};

} // namespace vintora::audio
