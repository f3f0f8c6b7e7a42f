#include "audio/tbytesource.h"

#include <QFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vintora::audio {

TByteSource::TByteSource(QIODevice* device)
    : m_device(device), m_open(device && device->isOpen()), m_size(device ? device->size() : 0)
{
    if (!m_open || m_size < 0) {
        m_failed = true;
        m_size = 0;
    }
}

TByteSource::TByteSource(const QByteArray& data) : m_buffer(data), m_open(true), m_size(data.size()) {}

TByteSource::TByteSource(const QString& fileName)
{
    m_failed = true;
#ifdef Q_OS_UNIX
    // A whole import reads thousands of files: positioned reads on the descriptor spare QFile's
    // seeks and its second stat per file.
    const QByteArray native = QFile::encodeName(fileName);
    if (native.isEmpty())
        return;
    int fd = -1;
    do {
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_size = st.st_size;
    m_modified = QDateTime::fromMSecsSinceEpoch(
        qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000, Qt::UTC);
#else
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    m_size = file->size();
    m_modified = file->fileTime(QFileDevice::FileModificationTime);
    m_file = std::move(file);
    m_device = m_file.get();
#endif
    m_open = true;
    m_failed = m_size < 0;
    if (m_failed)
        m_size = 0;
}

TByteSource::~TByteSource()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

qint64 TByteSource::readAt(char* to, qint64 pos, qint64 len)
{
    qint64 got = 0;
#ifdef Q_OS_UNIX
    if (m_fd >= 0) {
        while (got < len) {
            ++m_reads;
            const ssize_t n = ::pread(m_fd, to + got, size_t(len - got), off_t(pos + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return -1;
            if (n == 0)
                break;
            got += n;
        }
        return got;
    }
#endif
    if (m_device->pos() != pos && !m_device->seek(pos))
        return -1;
    while (got < len) {
        ++m_reads;
        const qint64 n = m_device->read(to + got, len - got);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

bool TByteSource::fetch(qint64 pos, qint64 len)
{
    QByteArray data(len, Qt::Uninitialized);
    const qint64 got = readAt(data.data(), pos, len);
    if (got < 0) {
        m_failed = true;
        return false;
    }
    data.truncate(got);
    Window& w = m_windows[m_nextWindow];
    m_nextWindow = (m_nextWindow + 1) % WindowCount;
    w.pos = pos;
    w.data = std::move(data);
    return true;
}

bool TByteSource::extend(Window& w, qint64 end)
{
    const qint64 old = w.data.size();
    w.data.resize(end - w.pos);
    const qint64 got = readAt(w.data.data() + old, w.pos + old, end - w.pos - old);
    if (got < 0) {
        w.data.truncate(old);
        m_failed = true;
        return false;
    }
    w.data.truncate(old + got);
    return true;
}

bool TByteSource::clamp(qint64 pos, qint64& len) const
{
    if (pos < 0 || pos >= m_size || len <= 0)
        return false;
    len = qMin(len, m_size - pos);
    return true;
}

const TByteSource::Window* TByteSource::cover(qint64 pos, qint64 len, qint64 ahead)
{
    for (const Window& w : m_windows) {
        if (pos >= w.pos && pos + len <= w.end())
            return &w;
    }
    const qint64 end = qMin(pos + len + ahead, m_size);
    for (Window& w : m_windows) {
        if (!w.data.isEmpty() && pos >= w.pos && pos <= w.end())
            return extend(w, end) ? &w : nullptr;
    }
    if (!fetch(pos, end - pos))
        return nullptr;
    return &m_windows[(m_nextWindow + WindowCount - 1) % WindowCount];
}

void TByteSource::prefetch(qint64 pos, qint64 len)
{
    if (!m_device && m_fd < 0)
        return;
    if (m_failed || !clamp(pos, len))
        return;
    cover(pos, len, 0);
}

QByteArrayView TByteSource::view(qint64 pos, qint64 len)
{
    if (!clamp(pos, len))
        return {};
    if (!m_device && m_fd < 0)
        return QByteArrayView(m_buffer).sliced(pos, len);
    if (m_failed)
        return {};
    const Window* w = cover(pos, len, m_readAhead);
    if (!w || pos >= w->end())
        return {};
    // Fewer bytes than asked for when the file ended early (it shrank while being read).
    return QByteArrayView(w->data).sliced(pos - w->pos, qMin(len, w->end() - pos));
}

QByteArray TByteSource::read(qint64 pos, qint64 len)
{
    if (!clamp(pos, len))
        return {};
    if (!m_device && m_fd < 0)
        return m_buffer.mid(pos, len);
    const QByteArrayView v = view(pos, len);
    for (const Window& w : m_windows) {
        if (v.data() == w.data.constData() && v.size() == w.data.size())
            return w.data; // shared, not copied
    }
    return v.toByteArray();
}

} // namespace vintora::audio
