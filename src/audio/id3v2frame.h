#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

namespace vintora::audio {

// One frame header inside an ID3v2 tag body: 3-character ID and 24-bit size for version 2,
// 4-character ID, 32-bit size and two flag bytes for versions 3 and 4.
struct ID3v2Frame {
    QByteArray ID;
    qint64 Size = 0; // data bytes after the header
    quint16 Flags = 0;

    static int headerLength(int version) { return version == 2 ? 6 : 10; }

    // Reads the header at pos of body (frames end at end). Version 4 sizes are synchsafe; a size
    // written plain by some taggers is taken instead when only it lands on the next frame header,
    // the padding or the end of the frames. False when no whole header lies there.
    bool parse(QByteArrayView body, qsizetype pos, qsizetype end, int version);

    // Where the data begins and how long it is once the flags are honoured; false for a frame
    // that cannot be read (compressed or encrypted).
    bool dataRange(int version, qsizetype& skip, bool& unsynchronised) const;

    static bool landsOnFrame(QByteArrayView body, qsizetype pos, qsizetype end, int version);
};

} // namespace vintora::audio
