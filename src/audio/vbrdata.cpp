#include "audio/vbrdata.h"

namespace vintora::audio {

namespace {

quint32 be32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

} // namespace

void VBRData::read(QByteArrayView block, qsizetype q)
{
    *this = VBRData();
    if (q < 0 || q + 4 > block.size())
        return;
    const auto* p = reinterpret_cast<const uchar*>(block.constData()) + q;
    const qsizetype room = block.size() - q;
    if (block.sliced(q, 4) == "Xing" && room >= 128) {
        Found = true;
        ID = QStringLiteral("Xing");
        Frames = be32(p + 8);
        Bytes = be32(p + 12);
        Scale = p[119];
        // Raw bytes up to a zero, so a padded mark stays printable.
        qsizetype n = 0;
        while (n < 8 && p[120 + n] != 0)
            ++n;
        VendorID = QString::fromLatin1(reinterpret_cast<const char*>(p + 120), n);
    } else if (block.sliced(q, 4) == "VBRI" && room >= 18) {
        Found = true;
        ID = QStringLiteral("VBRI");
        Scale = p[9];
        Bytes = be32(p + 10);
        Frames = be32(p + 14);
    }
}

} // namespace vintora::audio
