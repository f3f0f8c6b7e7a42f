// Routines behind the performer and album pages.
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

// ---- performer ------------------------------------------------------------------------------

// Alpha: the letter page that lists the performer (first letter of the sorting name); IsMain:
// not an alias; Link: the main entry, the performer itself or the performer an alias belongs to.
RowSet performerInfo(Connection& c, const RoutineArgs& a)
{
    const RowSet r = c.select(QStringLiteral("SELECT ID, NameFull, NameOrder, Picture, Text, Main FROM Performer WHERE ID = :ID"),
                              one("ID", a.integer(QStringLiteral("PR"))));
    RowSet out = makeRows({QStringLiteral("NameTitle"), QStringLiteral("NameFull"), QStringLiteral("Picture"),
                           QStringLiteral("Text"), QStringLiteral("Alpha"), QStringLiteral("IsMain"), QStringLiteral("Link")});
    for (const QVariantList& row : r.rows) {
        const bool isMain = row.at(5).isNull();
        QVariant picture = row.at(3);
        if (!picture.isNull() && picture.toByteArray().isEmpty())
            picture = QVariant();
        out.rows << QVariantList{row.at(1), row.at(1), picture, nullIfEmpty(row.at(4)),
                                 indexLetter(row.at(2).toString(), 0), isMain, isMain ? row.at(0) : row.at(5)};
    }
    return out;
}

RowSet performerAKA(Connection& c, const RoutineArgs& a)
{
    RowSet r = c.select(QStringLiteral("SELECT NameFull, ID FROM Performer WHERE Main = :ID"), one("ID", a.integer(QStringLiteral("PR"))));
    sortRows(r, QStringLiteral("NameFull"), QStringLiteral("ID"));
    return r;
}

// The discography: the performer's albums and those of its aliases (Link names the alias),
// by kind, each main edition followed by its other editions (IsEdit).
RowSet performerAlbum(Connection& c, const RoutineArgs& a)
{
    const int id = a.integer(QStringLiteral("ID"));
    const RowSet r = c.select(
        QStringLiteral("SELECT a.ID, a.TitleFull, a.Performer, p.NameFull, a.Kind, a.EditMaster, a.\"Order\", "
                       "COALESCE(k.\"Order\", 0) AS KindOrder FROM Album a JOIN Performer p ON p.ID = a.Performer "
                       "LEFT JOIN AlbumKind k ON k.ID = a.Kind "
                       "WHERE a.Performer = :ID OR a.Performer IN (SELECT ID FROM Performer WHERE Main = :ID)"),
        one("ID", id));
    QSet<int> ids;
    for (const QVariantList& row : r.rows)
        ids.insert(row.at(0).toInt());
    QList<QVariantList> masters;
    QHash<int, QList<QVariantList>> editions;
    for (const QVariantList& row : r.rows) {
        if (!row.at(5).isNull() && ids.contains(row.at(5).toInt()))
            editions[row.at(5).toInt()] << row;
        else
            masters << row;
    }
    auto byOrder = [](const QVariantList& x, const QVariantList& y) {
        const int c1 = x.at(6).toString().compare(y.at(6).toString(), Qt::CaseInsensitive);
        return c1 != 0 ? c1 < 0 : x.at(0).toInt() < y.at(0).toInt();
    };
    std::stable_sort(masters.begin(), masters.end(), [&](const QVariantList& x, const QVariantList& y) {
        if (x.at(7).toInt() != y.at(7).toInt())
            return x.at(7).toInt() < y.at(7).toInt();
        if (x.at(4).toInt() != y.at(4).toInt())
            return x.at(4).toInt() < y.at(4).toInt();
        return byOrder(x, y);
    });
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("Title"), QStringLiteral("Link"), QStringLiteral("LinkName"),
                           QStringLiteral("Part"), QStringLiteral("IsEdit")});
    auto add = [&](const QVariantList& row, int part, bool edit) {
        const bool other = row.at(2).toInt() != id;
        out.rows << QVariantList{row.at(0), row.at(1), other ? row.at(2) : QVariant(), other ? row.at(3) : QVariant(), part,
                                 edit};
    };
    for (const QVariantList& m : masters) {
        const int part = m.at(4).toInt();
        add(m, part, false);
        QList<QVariantList> eds = editions.value(m.at(0).toInt());
        std::stable_sort(eds.begin(), eds.end(), byOrder);
        for (const QVariantList& e : eds)
            add(e, part, true);
    }
    return out;
}

// Credits on albums of other performers. Year: "????" when unknown; Title: the album with its
// performer; Role: the role, with the group it was given through; Bold: a special guest.
RowSet performerRole(Connection& c, const RoutineArgs& a)
{
    const int id = a.integer(QStringLiteral("ID"));
    const RowSet r = c.select(
        QStringLiteral("SELECT r.ID, a.ID AS Album, a.RecordYear, a.RecordYearAdd, a.TitleDescription, p.NameFull, r.Role, "
                       "m.NameFull AS MasterName, r.SpecialGuest FROM AlbumRole r JOIN Album a ON a.ID = r.Album "
                       "JOIN Performer p ON p.ID = a.Performer LEFT JOIN Performer m ON m.ID = r.Master "
                       "WHERE r.Performer = :ID AND a.Performer <> :ID"),
        one("ID", id));
    RowSet out = makeRows({QStringLiteral("Year"), QStringLiteral("Title"), QStringLiteral("Role"), QStringLiteral("Bold"),
                           QStringLiteral("Album"), QStringLiteral("CreditID")});
    for (const QVariantList& row : r.rows) {
        QString year = row.at(2).toString() + row.at(3).toString();
        if (year.isEmpty())
            year = QStringLiteral("????");
        QString role = row.at(6).toString();
        if (!row.at(7).isNull())
            role = joined(role, QStringLiteral(" "), QStringLiteral("(") + row.at(7).toString() + QStringLiteral(")"));
        out.rows << QVariantList{year, joined(row.at(4).toString(), S(" — "), row.at(5).toString()),
                                 role.isEmpty() ? QVariant() : QVariant(role), row.at(8).toInt() == 1 ? 1 : 0, row.at(1),
                                 row.at(0)};
    }
    std::stable_sort(out.rows.begin(), out.rows.end(), [](const QVariantList& x, const QVariantList& y) {
        int c1 = x.at(0).toString().compare(y.at(0).toString());
        if (c1 == 0)
            c1 = x.at(1).toString().compare(y.at(1).toString(), Qt::CaseInsensitive);
        return c1 != 0 ? c1 < 0 : x.at(5).toInt() < y.at(5).toInt();
    });
    return out;
}

// Linked performers in both directions; a title link is written bold and listed first.
RowSet performerLink(Connection& c, const RoutineArgs& a)
{
    const int id = a.integer(QStringLiteral("ID"));
    const RowSet r = c.select(
        QStringLiteral("SELECT p.ID, p.NameFull, l.Title FROM PerformerLink l JOIN Performer p ON p.ID = l.Link "
                       "WHERE l.Performer = :ID UNION ALL "
                       "SELECT p.ID, p.NameFull, l.Title FROM PerformerLink l JOIN Performer p ON p.ID = l.Performer "
                       "WHERE l.Link = :ID"),
        one("ID", id));
    QHash<int, int> seen;
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Bold")});
    for (const QVariantList& row : r.rows) {
        const int pid = row.at(0).toInt();
        if (pid == id)
            continue;
        const bool bold = row.at(2).toInt() == 1;
        const auto it = seen.constFind(pid);
        if (it != seen.constEnd()) {
            if (bold)
                out.rows[it.value()][2] = true;
            continue;
        }
        seen.insert(pid, int(out.rows.size()));
        out.rows << QVariantList{pid, row.at(1), bold};
    }
    sortRows(out, QStringLiteral("Name"), QStringLiteral("ID"));
    std::stable_sort(out.rows.begin(), out.rows.end(),
                     [](const QVariantList& x, const QVariantList& y) { return x.at(2).toBool() && !y.at(2).toBool(); });
    return out;
}

RowSet internetOf(Connection& c, const char* kind, int object)
{
    RowSet r = c.select(QStringLiteral("SELECT Name, URL, ID FROM Internet WHERE Kind = :K AND Object = :O ORDER BY ID"),
                        {{QStringLiteral("K"), QString::fromLatin1(kind)}, {QStringLiteral("O"), object}});
    for (QVariantList& row : r.rows) {
        if (row.at(0).toString().trimmed().isEmpty())
            row[0] = row.at(1);
    }
    return r;
}

RowSet performerURL(Connection& c, const RoutineArgs& a)
{
    return internetOf(c, "P", a.integer(QStringLiteral("ID")));
}

// The genres of the performer: its main genre and the genres it is linked to.
RowSet performerGenre(Connection& c, const RoutineArgs& a)
{
    RowSet r = c.select(QStringLiteral("SELECT g.Name, g.ID FROM Genre g WHERE g.ID IN "
                                       "(SELECT Genre FROM PerformerGenre WHERE Performer = :ID) "
                                       "OR g.ID IN (SELECT Genre FROM Performer WHERE ID = :ID AND Genre IS NOT NULL)"),
                        one("ID", a.integer(QStringLiteral("ID"))));
    sortRows(r, QStringLiteral("Name"), QStringLiteral("ID"));
    return r;
}

// ---- album ----------------------------------------------------------------------------------

// TitlePage: performer and title for the page title; Title: the title with year and edition.
RowSet albumInfo(Connection& c, const RoutineArgs& a)
{
    const RowSet r = c.select(QStringLiteral("SELECT a.TitleFull, a.Performer, p.NameFull, a.Picture, a.Notes, a.IsNote "
                                             "FROM Album a JOIN Performer p ON p.ID = a.Performer WHERE a.ID = :ID"),
                              one("ID", a.integer(QStringLiteral("AL"))));
    RowSet out = makeRows({QStringLiteral("TitlePage"), QStringLiteral("Title"), QStringLiteral("Performer"),
                           QStringLiteral("NameFull"), QStringLiteral("Picture"), QStringLiteral("Notes"),
                           QStringLiteral("IsNote")});
    for (const QVariantList& row : r.rows) {
        QVariant picture = row.at(3);
        if (!picture.isNull() && picture.toByteArray().isEmpty())
            picture = QVariant();
        out.rows << QVariantList{joined(row.at(2).toString(), S(" — "), row.at(0).toString()), row.at(0), row.at(1),
                                 row.at(2), picture, nullIfEmpty(row.at(4)), row.at(5).toInt()};
    }
    return out;
}

// The performers whose discography shows the album: its performer, or for an album of an
// alias the alias's main performer (whose page lists the alias's albums).
RowSet albumPerformer(Connection& c, const RoutineArgs& a)
{
    const RowSet r = c.select(QStringLiteral("SELECT COALESCE(p.Main, p.ID) FROM Album a JOIN Performer p ON p.ID = a.Performer "
                                             "WHERE a.ID = :ID"),
                              one("ID", a.integer(QStringLiteral("AL"))));
    RowSet out = makeRows({QStringLiteral("Performer")});
    for (const QVariantList& row : r.rows)
        out.rows << QVariantList{row.at(0)};
    return out;
}

// The album itself first, then the other editions of its group, main edition first.
RowSet albumEdit(Connection& c, const RoutineArgs& a)
{
    const int id = a.integer(QStringLiteral("AL"));
    // The group is COALESCE(EditMaster, ID); asked for through the key and the EditMaster
    // index, since a join on the computed EditGroup reads every album.
    const QVariant group = c.scalar(QStringLiteral("SELECT COALESCE(EditMaster, ID) FROM Album WHERE ID = :ID"), one("ID", id));
    if (!group.isValid())
        return makeRows({QStringLiteral("ID"), QStringLiteral("Description")});
    const RowSet r = c.select(QStringLiteral("SELECT ID, EditDescription, TitleFull, EditMaster, \"Order\" FROM Album "
                                             "WHERE (ID = :G AND EditMaster IS NULL) OR EditMaster = :G"),
                              one("G", group));
    QList<QVariantList> rows = r.rows;
    std::stable_sort(rows.begin(), rows.end(), [&](const QVariantList& x, const QVariantList& y) {
        const auto rank = [&](const QVariantList& v) { return v.at(0).toInt() == id ? 0 : (v.at(3).isNull() ? 1 : 2); };
        if (rank(x) != rank(y))
            return rank(x) < rank(y);
        const int c1 = x.at(4).toString().compare(y.at(4).toString(), Qt::CaseInsensitive);
        return c1 != 0 ? c1 < 0 : x.at(0).toInt() < y.at(0).toInt();
    });
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("Description")});
    for (const QVariantList& row : rows) {
        const QString d = row.at(1).toString().trimmed();
        out.rows << QVariantList{row.at(0), d.isEmpty() ? row.at(2) : QVariant(d)};
    }
    return out;
}

// One row per label of each issue (main issue first); an issue without labels gives one row.
RowSet albumRelease(Connection& c, const RoutineArgs& a)
{
    const RowSet r = c.select(
        QStringLiteral("SELECT i.ID AS Issue, i.IssueYear, l.CatalogNumber, f.Name AS FirmName, l.Label AS FirmID "
                       "FROM AlbumIssue i LEFT JOIN AlbumIssueLabel l ON l.Issue = i.ID LEFT JOIN Firm f ON f.ID = l.Label "
                       "WHERE i.Album = :ID ORDER BY i.Main DESC, COALESCE(i.IssueYear, ''), i.ID, "
                       "COALESCE(l.Main, 0) DESC, COALESCE(l.ID, 0)"),
        one("ID", a.integer(QStringLiteral("AL"))));
    RowSet out = makeRows({QStringLiteral("IssueYear"), QStringLiteral("CatalogNumber"), QStringLiteral("Issue"),
                           QStringLiteral("FirmName"), QStringLiteral("FirmID")});
    for (const QVariantList& row : r.rows)
        out.rows << QVariantList{nullIfEmpty(row.at(1)), nullIfEmpty(row.at(2)), row.at(0), row.at(3), row.at(4)};
    return out;
}

// NumberTrack: "7. " (with the letter of a part: "7a. "); AddOn: description, length and a
// performer other than the album's.
RowSet albumTrack(Connection& c, const RoutineArgs& a)
{
    const RowSet r = c.select(
        QStringLiteral("SELECT t.ID, t.Number, t.SubNumber, t.Title, t.Length, t.Authors, t.Description, t.Lyrics, "
                       "CASE WHEN t.Performer IS NOT NULL AND t.Performer <> a.Performer THEN p.NameFull ELSE NULL END, "
                       "CASE WHEN EXISTS (SELECT 1 FROM Internet n WHERE n.Kind = 'T' AND n.Object = t.ID) THEN 1 ELSE 0 END "
                       "FROM Track t JOIN Album a ON a.ID = t.Album LEFT JOIN Performer p ON p.ID = t.Performer "
                       "WHERE t.Album = :ID ORDER BY COALESCE(t.Number, 0), t.ID"),
        one("ID", a.integer(QStringLiteral("ID"))));
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("NumberTrack"), QStringLiteral("Title"), QStringLiteral("AddOn"),
                           QStringLiteral("Authors"), QStringLiteral("Lyrics"), QStringLiteral("SubNumber"),
                           QStringLiteral("IsVideo")});
    for (const QVariantList& row : r.rows) {
        const QString sub = row.at(2).toString();
        QString number;
        if (!row.at(1).isNull()) {
            number = QString::number(row.at(1).toInt());
            if (!sub.isEmpty() && sub.at(0).isLetter())
                number += sub;
            number += QStringLiteral(". ");
        }
        QString addOn;
        if (!row.at(6).toString().trimmed().isEmpty())
            addOn += QStringLiteral(" (") + row.at(6).toString() + u')';
        if (!row.at(4).toString().trimmed().isEmpty())
            addOn += QStringLiteral(" [") + row.at(4).toString() + u']';
        if (!row.at(8).isNull())
            addOn += S(" • ") + row.at(8).toString();
        out.rows << QVariantList{row.at(0), number, row.at(3), addOn, nullIfEmpty(row.at(5)), nullIfEmpty(row.at(7)), sub,
                                 row.at(9).toInt() == 1};
    }
    return out;
}

// Credits of the album: Role carries its own " — " separator; a credit given through a group
// (IsSlave) follows the group's own credit.
RowSet albumRole(Connection& c, const RoutineArgs& a)
{
    const RowSet r = c.select(QStringLiteral("SELECT r.ID, r.Performer, p.NameFull, r.Role, r.SpecialGuest, r.Master "
                                             "FROM AlbumRole r JOIN Performer p ON p.ID = r.Performer WHERE r.Album = :ID "
                                             "ORDER BY r.ID"),
                              one("ID", a.integer(QStringLiteral("ID"))));
    auto line = [](const QVariantList& row, bool slave) {
        const QString role = row.at(3).toString().trimmed();
        return QVariantList{row.at(1), row.at(2), role.isEmpty() ? QString() : S(" — ") + role,
                            row.at(4).toInt() == 1 ? 1 : 0, slave ? 1 : 0};
    };
    QList<QVariantList> tops;
    QHash<int, QList<QVariantList>> members;
    for (const QVariantList& row : r.rows) {
        if (!row.at(5).isNull() && row.at(5).toInt() != row.at(1).toInt())
            members[row.at(5).toInt()] << row;
        else
            tops << row;
    }
    RowSet out = makeRows({QStringLiteral("Performer"), QStringLiteral("NameFull"), QStringLiteral("Role"),
                           QStringLiteral("Bold"), QStringLiteral("IsSlave")});
    QSet<int> placed;
    for (const QVariantList& row : tops) {
        out.rows << line(row, false);
        const int performer = row.at(1).toInt();
        if (placed.contains(performer))
            continue;
        placed.insert(performer);
        for (const QVariantList& m : members.value(performer))
            out.rows << line(m, true);
    }
    // Members of a group that has no credit of its own close the list.
    for (auto it = members.constBegin(); it != members.constEnd(); ++it) {
        if (placed.contains(it.key()))
            continue;
        for (const QVariantList& m : it.value())
            out.rows << line(m, true);
    }
    return out;
}

RowSet trackVideo(Connection& c, const RoutineArgs& a)
{
    return internetOf(c, "T", a.integer(QStringLiteral("TR")));
}

} // namespace

void registerPageRoutines()
{
    auto& r = db::RoutineRegistry::instance();
    r.add(QStringLiteral("EncyclPerformerInfo"), performerInfo);
    r.add(QStringLiteral("EncyclPerformerAKA"), performerAKA);
    r.add(QStringLiteral("EncyclPerformerAlbum"), performerAlbum);
    r.add(QStringLiteral("EncyclPerformerRole"), performerRole);
    r.add(QStringLiteral("EncyclPerformerLink"), performerLink);
    r.add(QStringLiteral("EncyclPerformerURL"), performerURL);
    r.add(QStringLiteral("EncyclPerformerGenre"), performerGenre);
    r.add(QStringLiteral("EncyclAlbumInfo"), albumInfo);
    r.add(QStringLiteral("EncyclAlbumPerformer"), albumPerformer);
    r.add(QStringLiteral("EncyclAlbumEdit"), albumEdit);
    r.add(QStringLiteral("EncyclAlbumRelease"), albumRelease);
    r.add(QStringLiteral("EncyclAlbumTrack"), albumTrack);
    r.add(QStringLiteral("EncyclAlbumRole"), albumRole);
    r.add(QStringLiteral("EncyclTrackVideo"), trackVideo);
}

} // namespace vintora::export_::detail
