#pragma once
#include <QtGlobal>

namespace vintora::audio {

// The 4-byte header of one MPEG audio frame, decoded, and the first valid frame of a block.
struct MPEGFrame {
    bool Found = false;
    qint64 Position = 0; // offset of the header within the block searched
    quint16 Size = 0;    // frame length in bytes
    bool Xing = false;   // the 6 bytes after the header are all zero
    uchar Data[4] = {0, 0, 0, 0};
    quint8 VersionID = 1; // 0 MPEG 2.5, 1 reserved, 2 MPEG 2, 3 MPEG 1
    quint8 LayerID = 0;   // 1 Layer III, 2 Layer II, 3 Layer I
    bool ProtectionBit = false; // a CRC follows
    quint16 BitRateID = 0;
    quint16 SampleRateID = 3;
    bool PaddingBit = false, PrivateBit = false;
    quint8 ModeID = 4; // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono, 4 unknown
    quint8 ModeExtensionID = 4;
    bool CopyrightBit = false, OriginalBit = false;
    quint8 EmphasisID = 2;

    static constexpr quint8 MPEG25 = 0, MPEG2 = 2, MPEG1 = 3;
    static constexpr quint8 LayerIII = 1, LayerII = 2, LayerI = 3;
    static constexpr quint8 ModeMono = 3;

    static bool IsFrameHeader(const uchar* b);
    void decode(const uchar* b);

    // Table values; 0 for reserved or invalid indices.
    int BitRate() const;    // kbit/s
    int SampleRate() const; // Hz
    int Coefficient() const;
    int Padding() const;
    quint16 FrameLength() const;
    // Where the Xing or VBRI header lies behind the frame start.
    int VBROffset() const;
};

} // namespace vintora::audio
