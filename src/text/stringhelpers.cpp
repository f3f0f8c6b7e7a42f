#include "text/stringhelpers.h"

#include "text/conversionerror.h"

#include <QClipboard>
#include <QGuiApplication>
#include <stdexcept>

namespace vintora::text {

namespace {

bool isTrimmed(QChar c)
{
    return c.unicode() <= 32;
}

// Maps each code point with its simple case mapping, which never changes the length.
template<typename Map>
QString mapCase(const QString& text, Map map)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(c, text.at(i + 1)));
            if (QChar::requiresSurrogates(mapped)) {
                dst[i] = QChar(QChar::highSurrogate(mapped));
                dst[i + 1] = QChar(QChar::lowSurrogate(mapped));
            } else { // never for Unicode's mappings; kept whole all the same
                dst[i] = c;
                dst[i + 1] = text.at(i + 1);
            }
            ++i;
            continue;
        }
        const char32_t mapped = map(char32_t(c.unicode()));
        dst[i] = QChar::requiresSurrogates(mapped) ? c : QChar(char16_t(mapped));
    }
    return out;
}

QClipboard* clipboard()
{
    if (!qGuiApp)
        throw std::runtime_error("the clipboard needs the graphical application");
    return QGuiApplication::clipboard();
}

} // namespace

QString upperCase(const QString& text)
{
    return mapCase(text, [](char32_t c) { return QChar::toUpper(c); });
}

QString lowerCase(const QString& text)
{
    return mapCase(text, [](char32_t c) { return QChar::toLower(c); });
}

QChar upperChar(QChar c)
{
    return QChar(c.toUpper());
}

QString trim(const QString& text)
{
    return trimRight(trimLeft(text));
}

QString trimLeft(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isTrimmed(text.at(i)))
        ++i;
    return text.mid(i);
}

QString trimRight(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && isTrimmed(text.at(n - 1)))
        --n;
    return text.left(n);
}

QString DeleteChars(const QString& text, QChar c)
{
    QString out = text;
    out.remove(c);
    return out;
}

QString CollapseRuns(const QString& text, QChar c)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        if (ch == c && !out.isEmpty() && out.back() == c)
            continue;
        out += ch;
    }
    return out;
}

QString StripAndCollapse(const QString& text, const QString& deleted, const QString& collapsed)
{
    QString out = text;
    for (const QChar c : deleted)
        out = DeleteChars(out, c);
    for (const QChar c : collapsed)
        out = CollapseRuns(out, c);
    return out;
}

QString ReplaceCharSet(const QString& text, const QString& set, QChar c)
{
    QString out = text;
    for (QChar& ch : out) {
        if (set.contains(ch))
            ch = c;
    }
    return out;
}

QString DropFirstChars(const QString& text, qsizetype n)
{
    return n <= 0 ? text : text.mid(qMin(n, text.size()));
}

QString DropLastChars(const QString& text, qsizetype n)
{
    return n <= 0 ? text : text.left(qMax<qsizetype>(0, text.size() - n));
}

bool IsBlank(const QString& text)
{
    for (const QChar c : text) {
        if (!isTrimmed(c))
            return false;
    }
    return true;
}

QString JoinNonEmpty(const QString& a, const QString& b, const QString& separator)
{
    if (IsBlank(b))
        return a;
    if (IsBlank(a))
        return b;
    const QString s = separator == QLatin1String(" ") ? separator : separator + QLatin1Char(' ');
    return a + s + b;
}

qsizetype FindFirstOf(const QString& set, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (set.contains(text.at(i)))
            return i + 1;
    }
    return 0;
}

const QString& TitleCaseDelimiters()
{
    static const QString delimiters = [] {
        QString d;
        for (char16_t c = 0; c <= 0x20; ++c)
            d += QChar(c);
        d += QString::fromUtf8("\"(),-./:;[]\\`{}«»");
        return d;
    }();
    return delimiters;
}

QString TitleCase(const QString& text)
{
    const QString& delimiters = TitleCaseDelimiters();
    QString out = lowerCase(text);
    bool wordStart = true;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (delimiters.contains(c)) {
            wordStart = true;
        } else if (wordStart) {
            wordStart = false;
            if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate()) {
                const QString upper = upperCase(out.mid(i, 2));
                out[i] = upper.at(0);
                out[i + 1] = upper.at(1);
                ++i;
            } else {
                out[i] = upperChar(c);
            }
        }
    }
    return out;
}

const QString& QuoteCharacters()
{
    static const QString quotes = QString::fromUtf8("\"‘’„“”«»");
    return quotes;
}

QString QuoteGuillemets(const QString& text)
{
    QString t = text;
    if (t.startsWith(QLatin1Char('\'')))
        t.remove(0, 1);
    if (t.endsWith(QLatin1Char('\'')))
        t.chop(1);
    t = trim(ReplaceCharSet(t, QuoteCharacters(), QLatin1Char(' ')));
    return QChar(u'«') + t + QChar(u'»');
}

QString SquareToRound(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('['), QLatin1Char('('));
    out.replace(QLatin1Char(']'), QLatin1Char(')'));
    return out;
}

void TrimLines(QStringList& lines)
{
    for (QString& line : lines)
        line = trim(line);
}

void CapitalizeLines(QStringList& lines)
{
    for (QString& line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype n = (line.size() > 1 && line.at(0).isHighSurrogate() && line.at(1).isLowSurrogate()) ? 2 : 1;
        line = upperCase(line.left(n)) + line.mid(n);
    }
}

void DropTrailingEmptyLines(QStringList& lines)
{
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
}

QString FirstChar(const QString& text)
{
    return text.left(1);
}

QString SiteFromURL(const QString& text)
{
    const qsizetype slashes = text.indexOf(QLatin1String("//"));
    QString site = slashes < 0 ? text : text.mid(slashes + 2);
    const qsizetype slash = site.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        site.truncate(slash);
    return site;
}

int NumberAfterFirstChar(const QString& text)
{
    const QString digits = text.mid(1);
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok)
        throw ConversionError(digits);
    return value;
}

void PutClipboardText(const QString& text)
{
    if (text.isEmpty())
        return;
    // Always as Unicode text: a code-page conversion would lose what the code page lacks.
    clipboard()->setText(text);
}

QString GetClipboardText()
{
    return clipboard()->text();
}

QString AppendClipboardText(const QString& text)
{
    const QString c = GetClipboardText();
    if (text.isEmpty())
        return c;
    return text + QStringLiteral("\r\n&\r\n") + c;
}

} // namespace vintora::text
