#include "audio/id3text.h"

#include <QStringDecoder>

namespace vintora::audio {

namespace {

struct Cp1251Table {
    char16_t map[256];
    Cp1251Table()
    {
        QStringDecoder decoder("windows-1251");
        for (int i = 0; i < 256; ++i) {
            const char c = char(i);
            const QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1)) : QString();
            map[i] = s.size() == 1 ? s.at(0).unicode() : fallback(i);
        }
    }
    // Used only where the converter is missing or gives no single character (byte 0x98).
    static char16_t fallback(int i)
    {
        static const char16_t high[64] = {
            0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
            0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
            0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
            0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
            0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
            0x0458, 0x0405, 0x0455, 0x0457};
        if (i < 128)
            return char16_t(i);
        if (i >= 0xC0)
            return char16_t(0x0410 + (i - 0xC0));
        return high[i - 128];
    }
};

const Cp1251Table& cp1251()
{
    static const Cp1251Table table;
    return table;
}

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

QString fromUtf16(const uchar* p, qsizetype units, bool bigEndian)
{
    QString out;
    out.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t u = bigEndian ? char16_t(p[2 * i] << 8 | p[2 * i + 1]) : char16_t(p[2 * i + 1] << 8 | p[2 * i]);
        if (u == 0)
            break;
        out.append(QChar(u));
    }
    return out;
}

} // namespace

QString ID3Text::fromCp1251(const char* data, qsizetype len)
{
    const Cp1251Table& t = cp1251();
    QString out;
    out.reserve(len);
    for (qsizetype i = 0; i < len && data[i] != 0; ++i)
        out.append(QChar(t.map[uchar(data[i])]));
    return out;
}

QString ID3Text::trimmed(const QString& text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && isBlank(text.at(b)))
        ++b;
    while (e > b && isBlank(text.at(e - 1)))
        --e;
    return (b == 0 && e == text.size()) ? text : text.mid(b, e - b);
}

QString ID3Text::trimmedRight(const QString& text)
{
    qsizetype e = text.size();
    while (e > 0 && isBlank(text.at(e - 1)))
        --e;
    return text.left(e);
}

QString ID3Text::decode(const QByteArray& frameData)
{
    if (frameData.isEmpty())
        return {};
    const uchar* p = reinterpret_cast<const uchar*>(frameData.constData()) + 1;
    const qsizetype n = frameData.size() - 1;
    switch (frameData.at(0)) {
    case 1:
    case 2: {
        // Only a leading byte-order mark is taken as one; encoding 1 without it is little-endian.
        bool bigEndian = frameData.at(0) == 2;
        qsizetype skip = 0;
        if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
            bigEndian = false;
            skip = 2;
        } else if (n >= 2 && p[0] == 0xFE && p[1] == 0xFF) {
            bigEndian = true;
            skip = 2;
        }
        return trimmed(fromUtf16(p + skip, (n - skip) / 2, bigEndian));
    }
    default: {
        // Leading zero bytes are blanks like the zero fill behind the text; the first zero after
        // the text ends it (a second value of a list is not taken).
        qsizetype b = 0;
        while (b < n && p[b] == 0)
            ++b;
        const char* text = reinterpret_cast<const char*>(p + b);
        if (frameData.at(0) == 3) {
            qsizetype len = 0;
            while (b + len < n && text[len] != 0)
                ++len;
            return trimmed(QString::fromUtf8(text, len));
        }
        // Encoding 0; other encoding bytes never reach here (the frame walk drops them).
        return trimmed(fromCp1251(text, n - b));
    }
    }
}

QString ID3Text::decodeLanguageText(const QByteArray& frameData)
{
    if (frameData.isEmpty())
        return {};
    const char encoding = frameData.at(0);
    const bool wide = encoding == 1 || encoding == 2;
    const QByteArray rest = frameData.mid(4);
    // The descriptor's terminator; for UTF-16 it is a whole zero unit, so only even offsets count
    // (an odd match would split a unit and garble the text behind it).
    // Without a terminator the descriptor is taken as absent.
    qsizetype start = 0;
    if (wide) {
        for (qsizetype i = 0; i + 1 < rest.size(); i += 2) {
            if (rest.at(i) == 0 && rest.at(i + 1) == 0) {
                start = i + 2;
                break;
            }
        }
    } else {
        const qsizetype z = rest.indexOf('\0');
        if (z >= 0)
            start = z + 1;
    }
    QByteArray text = rest.mid(start);
    text.prepend(encoding);
    return decode(text);
}

} // namespace vintora::audio
