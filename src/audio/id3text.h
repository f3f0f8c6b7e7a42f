#pragma once
#include <QByteArray>
#include <QString>

namespace vintora::audio {

// Text decoding shared by the tag readers.
class ID3Text {
public:
    // Single-byte text as Windows-1251, the code page of the collectors' old tags; stops at the
    // first zero byte.
    static QString fromCp1251(const char* data, qsizetype len);
    // Characters of code 0..32 removed at both ends.
    static QString trimmed(const QString& text);
    // Characters of code 0..32 removed at the end only.
    static QString trimmedRight(const QString& text);

    // The text of a frame whose first byte is the encoding: 0 Windows-1251, 1 UTF-16 with a
    // byte-order mark (little-endian without one), 2 UTF-16 big-endian, 3 UTF-8. Ends at the first
    // terminator; trimmed.
    static QString decode(const QByteArray& frameData);
    // An "USLT" frame: encoding, 3-byte language, content descriptor, terminator, text.
    static QString decodeLanguageText(const QByteArray& frameData);
};

} // namespace vintora::audio
