#include "audio/mpegframe.h"

namespace vintora::audio {

namespace {

// kbit/s by [MPEG 1 | MPEG 2 and 2.5][layer I, II, III][index].
const short bitRates[2][3][16] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}}};

// Hz by version ID (2.5, reserved, 2, 1) and index.
const int sampleRates[4][4] = {
    {11025, 12000, 8000, 0}, {0, 0, 0, 0}, {22050, 24000, 16000, 0}, {44100, 48000, 32000, 0}};

} // namespace

bool MPEGFrame::IsFrameHeader(const uchar* b)
{
    if (b[0] != 0xFF)
        return false;
    if (b[1] < 0xE0 || ((b[1] >> 3) & 3) == 1 || ((b[1] >> 1) & 3) == 0)
        return false;
    if (b[2] <= 0x0F || b[2] >= 0xF0 || ((b[2] >> 2) & 3) == 3)
        return false;
    return (b[3] & 3) != 2;
}

void MPEGFrame::decode(const uchar* b)
{
    for (int i = 0; i < 4; ++i)
        Data[i] = b[i];
    VersionID = (b[1] >> 3) & 3;
    LayerID = (b[1] >> 1) & 3;
    ProtectionBit = (b[1] & 1) == 0;
    BitRateID = b[2] >> 4;
    SampleRateID = (b[2] >> 2) & 3;
    PaddingBit = b[2] & 2;
    PrivateBit = b[2] & 1;
    ModeID = b[3] >> 6;
    ModeExtensionID = (b[3] >> 4) & 3;
    CopyrightBit = b[3] & 8;
    OriginalBit = b[3] & 4;
    EmphasisID = b[3] & 3;
}

int MPEGFrame::BitRate() const
{
    if (VersionID == 1 || LayerID == 0 || VersionID > 3 || LayerID > 3 || BitRateID > 15)
        return 0;
    return bitRates[VersionID == MPEG1 ? 0 : 1][3 - LayerID][BitRateID];
}

int MPEGFrame::SampleRate() const
{
    if (VersionID > 3 || SampleRateID > 3)
        return 0;
    return sampleRates[VersionID][SampleRateID];
}

int MPEGFrame::Coefficient() const
{
    if (VersionID == MPEG1)
        return LayerID == LayerI ? 48 : 144;
    return LayerID == LayerI ? 24 : 72;
}

int MPEGFrame::Padding() const
{
    if (!PaddingBit)
        return 0;
    return LayerID == LayerI ? 4 : 1;
}

quint16 MPEGFrame::FrameLength() const
{
    const int rate = SampleRate();
    if (rate == 0)
        return 0;
    return quint16(qint64(Coefficient()) * BitRate() * 1000 / rate + Padding());
}

int MPEGFrame::VBROffset() const
{
    const bool mono = ModeID == ModeMono;
    if (VersionID == MPEG1)
        return mono ? 21 : 36;
    return mono ? 13 : 21;
}

} // namespace vintora::audio
