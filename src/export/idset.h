#pragma once
#include <QList>
#include <QSet>
#include <algorithm>
#include <vector>

namespace vintora::export_ {

// A set of catalogue keys. Keys are handed out densely from 1, so a bit per key up to the
// largest one costs less than a hash entry per key and does not grow with how many are in
// the set; the rare key beyond the bit range goes to a hash.
class IdSet {
public:
    bool contains(int id) const
    {
        if (id >= 0 && id < bitLimit)
            return size_t(id) < m_bits.size() && m_bits[size_t(id)];
        return m_rest.contains(id);
    }
    void insert(int id)
    {
        if (id >= 0 && id < bitLimit) {
            if (size_t(id) >= m_bits.size())
                m_bits.resize(size_t(id) + 1 + size_t(id) / 4);
            m_bits[size_t(id)] = true;
        } else {
            m_rest.insert(id);
        }
    }
    void remove(int id)
    {
        if (id >= 0 && id < bitLimit) {
            if (size_t(id) < m_bits.size())
                m_bits[size_t(id)] = false;
        } else {
            m_rest.remove(id);
        }
    }
    bool isEmpty() const { return std::find(m_bits.begin(), m_bits.end(), true) == m_bits.end() && m_rest.isEmpty(); }
    // Calls f with every key, smallest first.
    template <typename F>
    void forEach(F&& f) const
    {
        for (size_t i = 0; i < m_bits.size(); ++i) {
            if (m_bits[i])
                f(int(i));
        }
        QList<int> rest(m_rest.begin(), m_rest.end());
        std::sort(rest.begin(), rest.end());
        for (int id : rest)
            f(id);
    }
    void clear()
    {
        m_bits.clear();
        m_bits.shrink_to_fit();
        m_rest.clear();
    }

private:
    static constexpr int bitLimit = 1 << 24; // 2 MB of bits at most
    std::vector<bool> m_bits;
    QSet<int> m_rest;
};

} // namespace vintora::export_
