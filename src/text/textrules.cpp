#include "text/textrules.h"

#include "catalogue/tdmcomming.h"
#include "text/stringhelpers.h"

namespace vintora::text {

namespace {

const QChar space(u' ');

// Every substitution row of the data set applied in turn, each to the result of the one before.
QString substitute(db::DataSet& rows, const QString& text)
{
    QString out = text;
    for (rows.first(); !rows.eof(); rows.next()) {
        const QString old = rows.text(QStringLiteral("Old"));
        // An empty Old would insert New between every two characters.
        if (old.isEmpty())
            continue;
        out.replace(old, rows.text(QStringLiteral("New")), Qt::CaseInsensitive);
    }
    return out;
}

QString replaced(QString text, const char16_t* before, const char16_t* after)
{
    return text.replace(QString::fromUtf16(before), QString::fromUtf16(after), Qt::CaseSensitive);
}

// The character after a leading prefix upper-cased.
void capitalizeAfter(QString& text, const QString& prefix)
{
    if (text.startsWith(prefix) && text.size() > prefix.size())
        text[prefix.size()] = upperChar(text.at(prefix.size()));
}

} // namespace

const QString& TextRules::MemberSeparator()
{
    static const QString s = QString::fromUtf16(u" · ");
    return s;
}

const QString& TextRules::AuthorSeparator()
{
    static const QString s = QString::fromUtf16(u" — ");
    return s;
}

QString TextRules::NormalizeTitle(const QString& text)
{
    const QString out = substitute(m_dm.taSubstitute(), TitleCase(trim(text)));
    return trim(CollapseRuns(out, space));
}

QString TextRules::NormalizeTrackNote(const QString& text)
{
    QString out = CollapseRuns(lowerCase(text), space);
    out.remove(QStringLiteral("bonus"), Qt::CaseInsensitive);
    return trim(out);
}

QString TextRules::NormalizeAuthors(const QString& text)
{
    QString out = text;
    for (const char16_t* before : {u" / ", u" - ", u"/", u" , ", u" ,"})
        out.replace(QString::fromUtf16(before), AuthorSeparator(), Qt::CaseSensitive);
    return trim(CollapseRuns(out, space));
}

QString TextRules::NormalizePerformerName(const QString& text)
{
    QString out = TitleCase(text);
    out = replaced(out, u" & The ", u" and The ");
    out = replaced(out, u" And ", u" and ");
    out = replaced(out, u" With ", u" with ");
    out = replaced(out, u" the ", u" The ");
    if (!out.contains(QStringLiteral(" and The ")))
        out.replace(QStringLiteral(" and "), MemberSeparator());
    if (!out.contains(QStringLiteral(" with The ")))
        out.replace(QStringLiteral(" with "), MemberSeparator());

    const auto names = m_dm.openDelimiterName();
    for (names->first(); !names->eof(); names->next()) {
        const QString delimiter = names->text(QStringLiteral("Delimiter"));
        if (!delimiter.isEmpty())
            out.replace(delimiter, MemberSeparator(), Qt::CaseSensitive);
    }
    names->close();

    out = replaced(out, u" Of ", u" of ");
    capitalizeAfter(out, QStringLiteral("Mc"));
    capitalizeAfter(out, QStringLiteral("Mac"));
    capitalizeAfter(out, QStringLiteral("O'"));
    return CollapseRuns(out, space);
}

bool TextRules::SplitRoleLine(const QString& line, QString& person, QString& role)
{
    db::DataSet& delimiters = m_dm.taDelimiter();
    for (delimiters.first(); !delimiters.eof(); delimiters.next()) {
        const QString item = delimiters.text(QStringLiteral("Item"));
        if (item.isEmpty())
            continue;
        const qsizetype at = line.indexOf(item.at(0));
        if (at < 0)
            continue;
        person = trim(TitleCase(line.left(at)));
        role = trim(lowerCase(line.mid(at + 1)));
        return true;
    }
    return false;
}

QString TextRules::NormalizeRole(const QString& text)
{
    QString out = CollapseRuns(SquareToRound(trimLeft(text)), space);
    out = CollapseRuns(substitute(m_dm.taRoleSubst(), out), space);
    return lowerCase(trimRight(out));
}

} // namespace vintora::text
