// Routines behind the letter, firm and genre pages and their indexes.
#include "export/encyclroutines.h"

#include "platform/db/connection.h"
#include "platform/db/routines.h"
#include "platform/utf8.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace vintora::export_::detail {

using db::Connection;
using db::RoutineArgs;
using db::RowSet;

namespace {

db::Params one(const char* name, const QVariant& v)
{
    return {{QString::fromLatin1(name), v}};
}

// ---- letters --------------------------------------------------------------------------------

struct LetterPerformer {
    int id;
    QString name; // sorting name, last name first
    int albums;
};

// The last letter read while a LetterListScope lives.
struct LetterCache {
    int scopes = 0;
    const Connection* connection = nullptr;
    QString letter;
    QList<LetterPerformer> list;
};

LetterCache& letterCache()
{
    static LetterCache cache;
    return cache;
}

QList<LetterPerformer> readLetterPerformers(Connection& c, const QString& letter);

// Performers listed under letter (the first letter of the sorting name, "#" for the rest),
// in name order.
QList<LetterPerformer> letterPerformers(Connection& c, const QString& letter)
{
    LetterCache& cache = letterCache();
    if (cache.scopes == 0)
        return readLetterPerformers(c, letter);
    if (cache.connection != &c || cache.letter != letter) {
        cache.list = readLetterPerformers(c, letter);
        cache.connection = &c;
        cache.letter = letter;
    }
    return cache.list;
}

QList<LetterPerformer> readLetterPerformers(Connection& c, const QString& letter)
{
    const QString base = QStringLiteral("SELECT p.ID, p.NameOrder, (SELECT COUNT(*) FROM Album a WHERE a.Performer = p.ID) "
                                        "FROM Performer p");
    RowSet r;
    if (letter == QLatin1String("#") || letter.size() != 1)
        r = c.select(base);
    else
        r = c.select(base + QStringLiteral(" WHERE substr(p.NameOrder, 1, 1) = :U OR substr(p.NameOrder, 1, 1) = :L"),
                     {{QStringLiteral("U"), letter.toUpper()}, {QStringLiteral("L"), letter.toLower()}});
    QList<LetterPerformer> out;
    for (const QVariantList& row : r.rows) {
        const QString name = row.at(1).toString();
        if (indexLetter(name, 0) == letter)
            out << LetterPerformer{row.at(0).toInt(), name, row.at(2).toInt()};
    }
    std::stable_sort(out.begin(), out.end(), [](const LetterPerformer& a, const LetterPerformer& b) {
        const int c1 = a.name.compare(b.name, Qt::CaseInsensitive);
        return c1 != 0 ? c1 < 0 : a.id < b.id;
    });
    return out;
}

// By title: performers with albums of their own (AlbumCount); by credit: the others of the
// letter, known from credits, links and tracks, so that every performer is reachable.
RowSet lettersToRows(const QList<LetterPerformer>& list, bool titles, const QString& second)
{
    RowSet out = titles ? makeRows({QStringLiteral("ID"), QStringLiteral("PerformerName"), QStringLiteral("AlbumCount")})
                        : makeRows({QStringLiteral("ID"), QStringLiteral("PerformerName")});
    for (const LetterPerformer& p : list) {
        if ((p.albums > 0) != titles)
            continue;
        if (!second.isNull() && indexLetter(p.name, 1) != second)
            continue;
        if (titles)
            out.rows << QVariantList{p.id, p.name, p.albums};
        else
            out.rows << QVariantList{p.id, p.name};
    }
    return out;
}

RowSet alphaPerformerTitle(Connection& c, const RoutineArgs& a)
{
    return lettersToRows(letterPerformers(c, a.text(QStringLiteral("L"))), true, QString());
}

RowSet alphaPerformerRole(Connection& c, const RoutineArgs& a)
{
    return lettersToRows(letterPerformers(c, a.text(QStringLiteral("L"))), false, QString());
}

// Second letters of the letter's performers, "#" (anything but a letter or digit) first.
RowSet alphaSecondList(Connection& c, const RoutineArgs& a)
{
    QStringList seconds;
    for (const LetterPerformer& p : letterPerformers(c, a.text(QStringLiteral("L")))) {
        const QString s = indexLetter(p.name, 1);
        if (!seconds.contains(s))
            seconds << s;
    }
    std::sort(seconds.begin(), seconds.end(), [](const QString& x, const QString& y) {
        if ((x == QLatin1String("#")) != (y == QLatin1String("#")))
            return x == QLatin1String("#");
        return x < y;
    });
    RowSet out = makeRows({QStringLiteral("AlphaSec")});
    for (const QString& s : seconds)
        out.rows << QVariantList{s};
    return out;
}

RowSet alphaSecondTitle(Connection& c, const RoutineArgs& a)
{
    return lettersToRows(letterPerformers(c, a.text(QStringLiteral("L"))), true, a.text(QStringLiteral("S")));
}

RowSet alphaSecondRole(Connection& c, const RoutineArgs& a)
{
    return lettersToRows(letterPerformers(c, a.text(QStringLiteral("L"))), false, a.text(QStringLiteral("S")));
}

// ---- firms ----------------------------------------------------------------------------------

RowSet studioInfo(Connection& c, const RoutineArgs& a)
{
    return c.select(QStringLiteral("SELECT Name FROM Firm WHERE ID = :ID"), one("ID", a.integer(QStringLiteral("ST"))));
}

// The firms this firm belongs to.
RowSet studioPart(Connection& c, const RoutineArgs& a)
{
    RowSet r = c.select(QStringLiteral("SELECT f.ID, f.Name FROM FirmParent fp JOIN Firm f ON f.ID = fp.Parent WHERE fp.Firm = :ID"),
                        one("ID", a.integer(QStringLiteral("ST"))));
    sortRows(r, QStringLiteral("Name"), QStringLiteral("ID"));
    return r;
}

RowSet studioURL(Connection& c, const RoutineArgs& a)
{
    RowSet r = c.select(QStringLiteral("SELECT Name, URL, ID FROM Internet WHERE Kind = 'S' AND Object = :ID ORDER BY ID"),
                        one("ID", a.integer(QStringLiteral("ST"))));
    for (QVariantList& row : r.rows) {
        if (row.at(0).toString().trimmed().isEmpty())
            row[0] = row.at(1);
    }
    return r;
}

// The issues the firm released: Number is the catalogue number with the year of issue ("б/н"
// without a number); FirmID and FirmName name a co-label of the same issue, if any.
RowSet studioAlbum(Connection& c, const RoutineArgs& a)
{
    const int id = a.integer(QStringLiteral("ST"));
    const RowSet r = c.select(
        QStringLiteral("SELECT l.Issue, l.CatalogNumber, i.IssueYear, b.ID, b.TitleFull, p.NameFull, l.ID "
                       "FROM AlbumIssueLabel l JOIN AlbumIssue i ON i.ID = l.Issue JOIN Album b ON b.ID = i.Album "
                       "JOIN Performer p ON p.ID = b.Performer WHERE l.Label = :ID"),
        one("ID", id));
    const RowSet co = c.select(
        QStringLiteral("SELECT o.Issue, o.Label, f.Name FROM AlbumIssueLabel l JOIN AlbumIssueLabel o ON o.Issue = l.Issue "
                       "JOIN Firm f ON f.ID = o.Label WHERE l.Label = :ID AND o.Label <> :ID ORDER BY o.ID"),
        one("ID", id));
    QHash<int, QPair<QVariant, QVariant>> coLabel;
    for (const QVariantList& row : co.rows) {
        if (!coLabel.contains(row.at(0).toInt()))
            coLabel.insert(row.at(0).toInt(), qMakePair(row.at(1), row.at(2)));
    }
    RowSet out = makeRows({QStringLiteral("Number"), QStringLiteral("FirmName"), QStringLiteral("FirmID"),
                           QStringLiteral("AlbumName"), QStringLiteral("AlbumID"), QStringLiteral("Issue"),
                           QStringLiteral("LabelRow")});
    for (const QVariantList& row : r.rows) {
        QString number = row.at(1).toString().trimmed();
        const QString year = row.at(2).toString().trimmed();
        if (number.isEmpty())
            number = S("б/н");
        if (!year.isEmpty())
            number += QStringLiteral(" (") + year + u')';
        const auto other = coLabel.value(row.at(0).toInt());
        out.rows << QVariantList{number, other.second, other.first, joined(row.at(5).toString(), S(" — "), row.at(4).toString()),
                                 row.at(3), row.at(0), row.at(6)};
    }
    sortRows(out, QStringLiteral("Number"), QStringLiteral("LabelRow"));
    return out;
}

QString firmLetter(const QString& name)
{
    const QString l = indexLetter(name.trimmed(), 0);
    return l.at(0).isLetter() ? l : QStringLiteral("#");
}

// First letters of firm names; the first row is always "#", the names without a letter.
RowSet studioSec(Connection& c, const RoutineArgs&)
{
    const RowSet r = c.select(QStringLiteral("SELECT Name FROM Firm"));
    QSet<QString> letters;
    for (const QVariantList& row : r.rows)
        letters.insert(firmLetter(row.at(0).toString()));
    letters.remove(QStringLiteral("#"));
    QStringList sorted(letters.begin(), letters.end());
    std::sort(sorted.begin(), sorted.end());
    RowSet out = makeRows({QStringLiteral("Alpha")});
    out.rows << QVariantList{QStringLiteral("#")};
    for (const QString& l : sorted)
        out.rows << QVariantList{l};
    return out;
}

RowSet studioSecList(Connection& c, const RoutineArgs& a)
{
    const QString letter = a.text(QStringLiteral("AL"));
    const RowSet r = c.select(QStringLiteral("SELECT Name, ID FROM Firm"));
    RowSet out = makeRows({QStringLiteral("Name"), QStringLiteral("ID")});
    for (const QVariantList& row : r.rows) {
        if (firmLetter(row.at(0).toString()) == letter)
            out.rows << row;
    }
    sortRows(out, QStringLiteral("Name"), QStringLiteral("ID"));
    return out;
}

// ---- genres ---------------------------------------------------------------------------------

// Title: the genre with its group, for the page title.
RowSet genreInfo(Connection& c, const RoutineArgs& a)
{
    const RowSet r = c.select(QStringLiteral("SELECT g.Name, g.\"Union\", u.Name, g.UnionAddition, ua.Name FROM Genre g "
                                             "LEFT JOIN Genre u ON u.ID = g.\"Union\" "
                                             "LEFT JOIN Genre ua ON ua.ID = g.UnionAddition WHERE g.ID = :ID"),
                              one("ID", a.integer(QStringLiteral("GN"))));
    RowSet out = makeRows({QStringLiteral("Name"), QStringLiteral("UnionID"), QStringLiteral("UnionName"), QStringLiteral("Title"),
                           QStringLiteral("UnionAddID"), QStringLiteral("UnionAddName")});
    for (const QVariantList& row : r.rows) {
        const QString title = row.at(1).isNull() ? row.at(0).toString()
                                                 : row.at(0).toString() + u'/' + row.at(2).toString();
        out.rows << QVariantList{row.at(0), row.at(1), row.at(2), title, row.at(3), row.at(4)};
    }
    return out;
}

// Performers of the genre; Main: the genre is the performer's main genre. Others come first,
// so the performers of the main genre fill the right column.
RowSet genrePerformer(Connection& c, const RoutineArgs& a)
{
    RowSet r = c.select(QStringLiteral("SELECT p.ID, p.NameOrder AS PerformerName, "
                                       "(SELECT COUNT(*) FROM Album b WHERE b.Performer = p.ID) AS AlbumCount, "
                                       "CASE WHEN p.Genre = :ID THEN 1 ELSE 0 END AS Main FROM Performer p "
                                       "WHERE p.Genre = :ID OR p.ID IN (SELECT Performer FROM PerformerGenre WHERE Genre = :ID)"),
                        one("ID", a.integer(QStringLiteral("GN"))));
    sortRows(r, QStringLiteral("PerformerName"), QStringLiteral("ID"));
    std::stable_sort(r.rows.begin(), r.rows.end(),
                     [](const QVariantList& x, const QVariantList& y) { return x.at(3).toInt() < y.at(3).toInt(); });
    for (QVariantList& row : r.rows)
        row[3] = row.at(3).toInt() == 1;
    return r;
}

// Genre groups: the genres that belong to no group.
RowSet genreUnion(Connection& c, const RoutineArgs&)
{
    RowSet r = c.select(QStringLiteral("SELECT ID, Name FROM Genre WHERE \"Union\" IS NULL"));
    sortRows(r, QStringLiteral("Name"), QStringLiteral("ID"));
    return r;
}

// Members of a group (also through the additional group); -1 gives every genre.
RowSet genreUnionList(Connection& c, const RoutineArgs& a)
{
    const int un = a.integer(QStringLiteral("UN"), -1);
    RowSet r = un == -1 ? c.select(QStringLiteral("SELECT ID, Name FROM Genre"))
                        : c.select(QStringLiteral("SELECT ID, Name FROM Genre WHERE \"Union\" = :ID OR UnionAddition = :ID"),
                                   one("ID", un));
    sortRows(r, QStringLiteral("Name"), QStringLiteral("ID"));
    return r;
}

} // namespace

void registerListRoutines()
{
    auto& r = db::RoutineRegistry::instance();
    r.add(QStringLiteral("EncyclAlphaPerformerTitle"), alphaPerformerTitle);
    r.add(QStringLiteral("EncyclAlphaPerformerRole"), alphaPerformerRole);
    r.add(QStringLiteral("EncyclAlphaSecondList"), alphaSecondList);
    r.add(QStringLiteral("EncyclAlphaSecondTitle"), alphaSecondTitle);
    r.add(QStringLiteral("EncyclAlphaSecondRole"), alphaSecondRole);
    r.add(QStringLiteral("EncyclStudioInfo"), studioInfo);
    r.add(QStringLiteral("EncyclStudioPart"), studioPart);
    r.add(QStringLiteral("EncyclStudioURL"), studioURL);
    r.add(QStringLiteral("EncyclStudioAlbum"), studioAlbum);
    r.add(QStringLiteral("EncyclStudioSec"), studioSec);
    r.add(QStringLiteral("EncyclStudioSecList"), studioSecList);
    r.add(QStringLiteral("EncyclGenreInfo"), genreInfo);
    r.add(QStringLiteral("EncyclGenrePerformer"), genrePerformer);
    r.add(QStringLiteral("EncyclGenreUnion"), genreUnion);
    r.add(QStringLiteral("EncyclGenreUnionList"), genreUnionList);
}

} // namespace vintora::export_::detail

namespace vintora::export_ {

LetterListScope::LetterListScope()
{
    ++detail::letterCache().scopes;
}

LetterListScope::~LetterListScope()
{
    detail::LetterCache& cache = detail::letterCache();
    if (--cache.scopes == 0) {
        cache.connection = nullptr;
        cache.letter.clear();
        cache.list.clear();
    }
}

} // namespace vintora::export_
