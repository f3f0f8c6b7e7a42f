#pragma once
#include <QString>

// The least any reader must do per file: open it and make the reads the stream reader plans
// (ID3v2 header, the tag, the ID3v1 block, the first block behind the tag), parsing nothing.
class FloorReader {
public:
    // Reads made, or -1 when the file cannot be opened.
    int read(const QString& path);
    unsigned checksum() const { return m_sum; }

private:
    unsigned m_sum = 0;
};
