#pragma once
#include <QByteArrayView>
#include <QString>

namespace vintora::audio {

// A Xing or VBRI header inside the first frame.
struct VBRData {
    bool Found = false;
    QString ID; // "Xing" or "VBRI"
    quint32 Frames = 0;
    quint32 Bytes = 0;
    quint8 Scale = 0;
    QString VendorID; // Xing only: 8 characters of encoder identification

    // Looks at offset q of the block (which must hold at least q + 128 bytes for a Xing header).
    void read(QByteArrayView block, qsizetype q);
};

} // namespace vintora::audio
