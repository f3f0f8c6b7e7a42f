#include "export/sitetext.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

namespace vintora::export_ {

namespace {

// Both directions of the code page, taken once from the platform's codec.
struct Cp1251Table {
    char16_t toUnicode[256];
    QHash<char16_t, uchar> toByte;

    Cp1251Table()
    {
        QStringDecoder decoder("windows-1251");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = decoder.decode(QByteArrayView(&byte, 1));
            toUnicode[b] = s.isEmpty() ? u'?' : s.at(0).unicode();
            // 0x98 is unassigned; the codec maps it to the replacement character.
            if (!s.isEmpty() && s.at(0) != QChar::ReplacementCharacter)
                toByte.insert(toUnicode[b], uchar(b));
        }
    }
};

const Cp1251Table& table()
{
    static const Cp1251Table t;
    return t;
}

} // namespace

QString LetterCode(qint64 n, int k)
{
    if (k <= 0)
        return {};
    QString result(k, u'a');
    quint64 v = n < 0 ? 0 : quint64(n);
    for (int i = k - 1; i >= 0; --i) {
        result[i] = QChar(u'a' + char16_t(v % 26));
        v /= 26;
    }
    return result;
}

int cp1251Byte(QChar c)
{
    if (c.unicode() < 128)
        return c.unicode();
    const auto& t = table();
    const auto it = t.toByte.constFind(c.unicode());
    return it == t.toByte.constEnd() ? -1 : int(it.value());
}

bool isCp1251(const QString& text)
{
    for (QChar c : text) {
        if (cp1251Byte(c) < 0)
            return false;
    }
    return true;
}

static QString escaped(const QString& text, bool attribute)
{
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"':
            if (attribute)
                out += QLatin1String("&quot;");
            else
                out += c;
            break;
        case u'\'':
            if (attribute)
                out += QLatin1String("&#39;");
            else
                out += c;
            break;
        default: out += c;
        }
    }
    return out;
}

QString htmlText(const QString& text)
{
    return escaped(text, false);
}

QString htmlAttr(const QString& text)
{
    return escaped(text, true);
}

QByteArray encodePage(const QString& text)
{
    const auto& t = table();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 128) {
            out.append(char(u));
            continue;
        }
        const auto it = t.toByte.constFind(u);
        if (it != t.toByte.constEnd()) {
            out.append(char(it.value()));
            continue;
        }
        char32_t code = u;
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(u, text.at(i + 1).unicode());
            ++i;
        }
        out.append("&#");
        out.append(QByteArray::number(quint32(code)));
        out.append(';');
    }
    return out;
}

QString decodePage(const QByteArray& bytes)
{
    const auto& t = table();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(t.toUnicode[uchar(bytes.at(i))]);
    return out;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines << text.mid(start, i - start);
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

bool readPageLines(const QString& path, QStringList& lines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    lines = splitLines(decodePage(f.readAll()));
    return true;
}

bool fileContains(const QString& path, const QString& text)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.readAll().contains(encodePage(text));
}

} // namespace vintora::export_
