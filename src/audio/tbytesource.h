#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QtGlobal>

#include <memory>

class QFile;

namespace vintora::audio {

// Random-access bytes of one file or buffer for the tag and stream readers.
// Every read is clamped to the data, so a size taken from a damaged file never makes a reader
// allocate or seek past the end. Physical reads are counted (the benchmark prints them) and kept in
// a few cached windows, so a reader can ask for small pieces one after the other while the file is
// touched only a few times; a piece that starts inside a window and runs past it extends that
// window by the missing bytes only.
class TByteSource {
public:
    // The device must be open for reading and random access; it is not owned.
    explicit TByteSource(QIODevice* device);
    explicit TByteSource(const QByteArray& data);
    // Opens the file read-only for the life of the source; isOpen() tells whether that worked.
    explicit TByteSource(const QString& fileName);
    ~TByteSource();
    TByteSource(const TByteSource&) = delete;
    TByteSource& operator=(const TByteSource&) = delete;

    bool isOpen() const { return m_open; }
    // The opened file's last modification, in UTC; invalid for a device or a buffer.
    QDateTime modificationTime() const { return m_modified; }
    qint64 size() const { return m_size; }

    // Up to len bytes at pos; fewer at the end of the data, empty when pos lies outside it or the
    // device fails (failed() then tells).
    QByteArray read(qint64 pos, qint64 len);
    // The same bytes without a copy; valid until the next read, view or prefetch.
    QByteArrayView view(qint64 pos, qint64 len);

    // Reads [pos, pos + len) once (clamped) so later reads inside it cost nothing.
    void prefetch(qint64 pos, qint64 len);
    // Extra bytes fetched behind every physical read from now on (kept in the same window).
    void setReadAhead(qint64 bytes) { m_readAhead = bytes; }

    bool failed() const { return m_failed; }
    int reads() const { return m_reads; }

private:
    struct Window {
        qint64 pos = 0;
        QByteArray data;
        qint64 end() const { return pos + data.size(); }
    };
    bool clamp(qint64 pos, qint64& len) const;
    // The window holding [pos, pos + len), read or extended as needed; null on failure.
    const Window* cover(qint64 pos, qint64 len, qint64 ahead);
    bool fetch(qint64 pos, qint64 len);
    bool extend(Window& w, qint64 end);
    // One physical read loop; the bytes read, -1 on failure.
    qint64 readAt(char* to, qint64 pos, qint64 len);

    QIODevice* m_device = nullptr;
    std::unique_ptr<QFile> m_file; // where the file is opened through Qt
    int m_fd = -1;                 // where it is opened natively
    QByteArray m_buffer;
    bool m_open = false;
    QDateTime m_modified;
    qint64 m_size = 0;
    qint64 m_readAhead = 0;
    int m_reads = 0;
    bool m_failed = false;
    static constexpr int WindowCount = 3;
    Window m_windows[WindowCount];
    int m_nextWindow = 0;
};

} // namespace vintora::audio
