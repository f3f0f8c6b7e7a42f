#pragma once
// A read-only device over bytes that notes every seek or read request past their end.
#include <QIODevice>

namespace vintora::audio::fixtures {

class BoundedDevice : public QIODevice {
public:
    explicit BoundedDevice(const QByteArray& data) : m_data(data) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_data.size(); }
    bool seek(qint64 pos) override
    {
        if (pos < 0 || pos > m_data.size())
            m_outside = true;
        return QIODevice::seek(pos);
    }
    bool outside() const { return m_outside; }
    qint64 largestRequest() const { return m_largest; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        m_largest = qMax(m_largest, maxSize);
        if (pos() + maxSize > m_data.size())
            m_outside = true;
        const qint64 n = qBound<qint64>(0, qMin(maxSize, m_data.size() - pos()), maxSize);
        if (n > 0)
            memcpy(data, m_data.constData() + pos(), size_t(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    bool m_outside = false;
    qint64 m_largest = 0;
};

} // namespace vintora::audio::fixtures
