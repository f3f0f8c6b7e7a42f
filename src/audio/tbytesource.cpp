#include "audio/tbytesource.h"

namespace vintora::audio {

TByteSource::TByteSource(QIODevice* device) : m_device(device), m_size(device ? device->size() : 0)
{
    if (!device || !device->isOpen() || m_size < 0) {
        m_failed = true;
        m_size = 0;
    }
}

TByteSource::TByteSource(const QByteArray& data) : m_buffer(data), m_size(data.size()) {}

bool TByteSource::fetch(qint64 pos, qint64 len)
{
    if (!m_device->seek(pos)) {
        m_failed = true;
        return false;
    }
    QByteArray data(len, Qt::Uninitialized);
    qint64 got = 0;
    while (got < len) {
        ++m_reads;
        const qint64 n = m_device->read(data.data() + got, len - got);
        if (n < 0) {
            m_failed = true;
            return false;
        }
        if (n == 0)
            break;
        got += n;
    }
    data.truncate(got);
    Window& w = m_windows[m_nextWindow];
    m_nextWindow = (m_nextWindow + 1) % WindowCount;
    w.pos = pos;
    w.data = data;
    return true;
}

void TByteSource::prefetch(qint64 pos, qint64 len)
{
    if (!m_device || m_failed || pos < 0 || pos >= m_size || len <= 0)
        return;
    len = qMin(len, m_size - pos);
    for (const Window& w : m_windows) {
        if (pos >= w.pos && pos + len <= w.pos + w.data.size())
            return;
    }
    fetch(pos, len);
}

QByteArray TByteSource::read(qint64 pos, qint64 len)
{
    if (pos < 0 || pos >= m_size || len <= 0)
        return {};
    len = qMin(len, m_size - pos);
    if (!m_device)
        return m_buffer.mid(pos, len);
    if (m_failed)
        return {};
    for (const Window& w : m_windows) {
        if (pos == w.pos && len == w.data.size())
            return w.data; // shared, not copied
        if (pos >= w.pos && pos + len <= w.pos + w.data.size())
            return w.data.mid(pos - w.pos, len);
    }
    // A large piece (a tag with pictures) is fetched exactly and handed out without a copy.
    const qint64 ahead = len <= ReadAheadLimit ? m_readAhead : 0;
    const qint64 fetchLen = qMin(len + ahead, m_size - pos);
    if (!fetch(pos, fetchLen))
        return {};
    const Window& w = m_windows[(m_nextWindow + WindowCount - 1) % WindowCount];
    return w.data.size() <= len ? w.data : w.data.left(len);
}

} // namespace vintora::audio
