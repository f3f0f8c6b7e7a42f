#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QtGlobal>

namespace vintora::audio {

// Random-access bytes of one file or buffer for the tag and stream readers.
// Every read is clamped to the data, so a size taken from a damaged file never makes a reader
// allocate or seek past the end. Physical reads of a device are counted (the benchmark prints
// them) and kept in a few cached windows, so a reader can ask for small pieces one after the other
// while the file is touched only a few times.
class TByteSource {
public:
    // The device must be open for reading and random access; it is not owned.
    explicit TByteSource(QIODevice* device);
    explicit TByteSource(const QByteArray& data);

    qint64 size() const { return m_size; }

    // Up to len bytes at pos; fewer at the end of the data, empty when pos lies outside it or the
    // device fails (failed() then tells).
    QByteArray read(qint64 pos, qint64 len);

    // Reads [pos, pos + len) once (clamped) so later reads inside it cost nothing.
    void prefetch(qint64 pos, qint64 len);
    // Extra bytes fetched behind every physical read of up to ReadAheadLimit bytes from now on
    // (kept in the same window).
    void setReadAhead(qint64 bytes) { m_readAhead = bytes; }

    bool failed() const { return m_failed; }
    int reads() const { return m_reads; }

private:
    struct Window {
        qint64 pos = 0;
        QByteArray data;
    };
    bool fetch(qint64 pos, qint64 len);

    QIODevice* m_device = nullptr;
    QByteArray m_buffer;
    qint64 m_size = 0;
    qint64 m_readAhead = 0;
    int m_reads = 0;
    bool m_failed = false;
    static constexpr int WindowCount = 3;
    static constexpr qint64 ReadAheadLimit = 65536;
    Window m_windows[WindowCount];
    int m_nextWindow = 0;
};

} // namespace vintora::audio
