#include "audio/id3v2header.h"

namespace vintora::audio {

bool ID3v2Header::parse(QByteArrayView bytes)
{
    *this = ID3v2Header();
    if (bytes.size() < Length || !bytes.startsWith("ID3"))
        return false;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    Major = p[3];
    Revision = p[4];
    Flags = p[5];
    BodySize = (qint64(p[6]) << 21) + (qint64(p[7]) << 14) + (qint64(p[8]) << 7) + qint64(p[9]);
    return true;
}

qint64 ID3v2Header::synchsafe(const uchar* p, int n)
{
    qint64 v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] & 0x80)
            return -1;
        v = (v << 7) | p[i];
    }
    return v;
}

qint64 ID3v2Header::bigEndian(const uchar* p, int n)
{
    qint64 v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

QByteArray ID3v2Header::resynchronised(QByteArrayView data)
{
    if (!data.contains('\xFF'))
        return data.toByteArray();
    QByteArray out;
    out.reserve(data.size());
    const char* p = data.constData();
    const qsizetype n = data.size();
    for (qsizetype i = 0; i < n; ++i) {
        out.append(p[i]);
        if (uchar(p[i]) == 0xFF && i + 1 < n && p[i + 1] == 0)
            ++i;
    }
    return out;
}

} // namespace vintora::audio
