#include "export/encyclroutines.h"

#include "export/sitetext.h"
#include "platform/db/connection.h"
#include "platform/db/routines.h"
#include "text/stringhelpers.h"
#include "platform/utf8.h"

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace vintora::export_ {

using db::Connection;
using db::RoutineArgs;
using db::RowSet;

namespace detail {

RowSet makeRows(const QStringList& columns)
{
    RowSet r;
    r.columns = columns;
    return r;
}

void sortRows(RowSet& rows, const QString& textColumn, const QString& idColumn)
{
    const int t = rows.column(textColumn);
    const int i = rows.column(idColumn);
    std::stable_sort(rows.rows.begin(), rows.rows.end(), [&](const QVariantList& a, const QVariantList& b) {
        const int c = a.at(t).toString().compare(b.at(t).toString(), Qt::CaseInsensitive);
        if (c != 0)
            return c < 0;
        return i >= 0 && a.at(i).toLongLong() < b.at(i).toLongLong();
    });
}

QVariant nullIfEmpty(const QVariant& v)
{
    if (v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
        return QVariant();
    return v;
}

QString joined(const QString& a, const QString& sep, const QString& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + sep + b;
}

QString indexLetter(const QString& name, int position)
{
    if (name.size() <= position)
        return QStringLiteral("#");
    const QChar c = text::upperChar(name.at(position));
    if (c.isLetterOrNumber() && cp1251Byte(c) >= 0)
        return QString(c);
    return QStringLiteral("#");
}

} // namespace detail

using namespace detail;

namespace {

// ---- work list -----------------------------------------------------------------------------

// Due objects, cheapest first: genres, firms and aliases only join the pending sets or lose
// their mark; then albums and performers, oldest mark first (an album before a performer
// marked at the same moment, since the album rewrites its performers' pages anyway). A due
// alias also brings its main performer (at the alias's earliest mark), whose page writes the
// alias's redirect page. The server orders the list and the rows are read as they come, so a
// run holds eight bytes per due object however large the catalogue is.
const QString dueCheck = QStringLiteral("Publication IS NOT NULL AND Publication <= GETDATE()");

const QString cheapWork = QStringLiteral(
    "SELECT Kind, ID FROM ("
    "SELECT 'G' AS Kind, ID FROM Genre WHERE %1 "
    "UNION ALL SELECT 'L', ID FROM Performer WHERE Main IS NOT NULL AND %1 "
    "UNION ALL SELECT 'S', ID FROM Firm WHERE %1"
    ") w ORDER BY Kind, ID").arg(dueCheck);

const QString pageWork = QStringLiteral(
    "SELECT Kind, ID FROM ("
    "SELECT 'A' AS Kind, ID, Publication AS Mark FROM Album WHERE %1 "
    "UNION ALL SELECT 'P', ID, Publication FROM Performer WHERE Main IS NULL AND %1 "
    "UNION ALL SELECT 'P', a.Main, MIN(a.Publication) FROM Performer a "
    "WHERE a.Main IS NOT NULL AND a.Publication IS NOT NULL AND a.Publication <= GETDATE() "
    "AND NOT EXISTS (SELECT 1 FROM Performer m WHERE m.ID = a.Main AND m.Main IS NULL "
    "AND m.Publication IS NOT NULL AND m.Publication <= GETDATE()) "
    "GROUP BY a.Main"
    ") w ORDER BY Mark, Kind, ID").arg(dueCheck);

RowSet encyclObject(Connection& c, const RoutineArgs&)
{
    RowSet out = makeRows({QStringLiteral("Kind"), QStringLiteral("ID")});
    for (const WorkItem& item : dueWork(c))
        out.rows << QVariantList{QString(QChar(item.kind)), item.id};
    return out;
}

// Main performers whose page was not marked yet: the candidates of the design check.
RowSet encyclNewVersion(Connection& c, const RoutineArgs&)
{
    return c.select(QStringLiteral("SELECT ID, NameFull AS Name FROM Performer WHERE Main IS NULL AND Publication IS NULL "
                                   "ORDER BY ID"));
}

RowSet encyclPerformerAlbumKind(Connection& c, const RoutineArgs&)
{
    return c.select(QStringLiteral("SELECT ID AS Part, DisplayName AS Name FROM AlbumKind ORDER BY \"Order\", ID"));
}

// ---- last changes ----------------------------------------------------------------------------

constexpr int lastChangesKept = 40; // per column of the index page

// A link written again moves to the top of its column instead of appearing twice.
RowSet encyclPublicateLastInsert(Connection& c, const RoutineArgs& a)
{
    const QString link = a.text(QStringLiteral("LNK")).left(500);
    const bool main = a.flag(QStringLiteral("MAIN"));
    c.execute(QStringLiteral("DELETE FROM EncyclLastChange WHERE Link = :L"), {{QStringLiteral("L"), link}});
    c.execute(QStringLiteral("INSERT INTO EncyclLastChange (Link, Main, Added) VALUES (:L, :M, :D)"),
              {{QStringLiteral("L"), link}, {QStringLiteral("M"), main}, {QStringLiteral("D"), c.getDate()}});
    return {};
}

// The newest changes, main entries (the left column) first.
RowSet encyclPublicateLast(Connection& c, const RoutineArgs&)
{
    RowSet out = makeRows({QStringLiteral("Link"), QStringLiteral("Main")});
    for (int main : {1, 0}) {
        const db::Params m{{QStringLiteral("M"), main}, {QStringLiteral("K"), lastChangesKept}};
        c.execute(QStringLiteral("DELETE FROM EncyclLastChange WHERE Main = :M AND ID NOT IN "
                                 "(SELECT ID FROM EncyclLastChange WHERE Main = :M ORDER BY ID DESC LIMIT :K)"),
                  m);
        const RowSet r = c.select(QStringLiteral("SELECT Link FROM EncyclLastChange WHERE Main = :M ORDER BY ID DESC"),
                                  {{QStringLiteral("M"), main}});
        for (const QVariantList& row : r.rows)
            out.rows << QVariantList{row.at(0), main == 1};
    }
    return out;
}

// ---- statistics and suggestions -------------------------------------------------------------------

RowSet encyclStatistics(Connection& c, const RoutineArgs&)
{
    RowSet out = makeRows({QStringLiteral("Text")});
    const QList<std::pair<const char*, QString>> lines = {
        {"Исполнителей: %1", QStringLiteral("SELECT COUNT(*) FROM Performer WHERE Main IS NULL")},
        {"Вариантов имён: %1", QStringLiteral("SELECT COUNT(*) FROM Performer WHERE Main IS NOT NULL")},
        {"Альбомов: %1", QStringLiteral("SELECT COUNT(*) FROM Album WHERE EditMaster IS NULL")},
        {"Редакций альбомов: %1", QStringLiteral("SELECT COUNT(*) FROM Album WHERE EditMaster IS NOT NULL")},
        {"Треков: %1", QStringLiteral("SELECT COUNT(*) FROM Track WHERE SubNumber IS NULL OR SubNumber = '' "
                                      "OR SubNumber NOT IN ('0', '(', '!')")},
        {"Текстов песен: %1", QStringLiteral("SELECT COUNT(*) FROM Track WHERE Lyrics IS NOT NULL AND Lyrics <> ''")},
        {"Студий и лейблов: %1", QStringLiteral("SELECT COUNT(*) FROM Firm")},
        {"Стилей: %1", QStringLiteral("SELECT COUNT(*) FROM Genre")},
        {"Файлов MP3: %1", QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")},
    };
    for (const auto& [text, sql] : lines)
        out.rows << QVariantList{S(text).arg(c.scalar(sql).toLongLong())};
    return out;
}

QString titleYearPerformer(const QVariant& title, const QVariant& performer)
{
    return joined(title.toString(), S(" — "), performer.toString());
}

const QString albumWithPerformer = QStringLiteral(
    "SELECT a.ID, a.TitleFull, p.NameFull FROM Album a JOIN Performer p ON p.ID = a.Performer");

// Most played albums; the collector's rating and then the key break ties and fill the list
// when little has been played.
RowSet encyclAlbumTop(Connection& c, const RoutineArgs&)
{
    const RowSet r = c.select(QStringLiteral(
        "SELECT a.ID, a.TitleFull, p.NameFull, (SELECT COUNT(*) FROM AlbumPlay ap WHERE ap.Album = a.ID) AS Plays, "
        "a.Range FROM Album a JOIN Performer p ON p.ID = a.Performer "
        "WHERE a.EditMaster IS NULL AND (a.Range > 0 OR EXISTS (SELECT 1 FROM AlbumPlay ap WHERE ap.Album = a.ID)) "
        "ORDER BY Plays DESC, a.Range DESC, a.ID LIMIT 20"));
    RowSet out = makeRows({QStringLiteral("Album"), QStringLiteral("TitleYearPerformer")});
    for (const QVariantList& row : r.rows)
        out.rows << QVariantList{row.at(0), titleYearPerformer(row.at(1), row.at(2))};
    return out;
}

// Performers heard last; those with the most albums fill the list.
RowSet encyclPerformerTop(Connection& c, const RoutineArgs&)
{
    const RowSet r = c.select(QStringLiteral(
        "SELECT p.ID, p.NameFull, "
        "(SELECT MAX(ap.Played) FROM AlbumPlay ap JOIN Album a ON a.ID = ap.Album WHERE a.Performer = p.ID) AS LastPlay, "
        "(SELECT COUNT(*) FROM Album a WHERE a.Performer = p.ID) AS Albums "
        "FROM Performer p WHERE p.Main IS NULL AND EXISTS (SELECT 1 FROM Album a WHERE a.Performer = p.ID) "
        "ORDER BY CASE WHEN (SELECT MAX(ap.Played) FROM AlbumPlay ap JOIN Album a ON a.ID = ap.Album "
        "WHERE a.Performer = p.ID) IS NULL THEN 1 ELSE 0 END, LastPlay DESC, Albums DESC, p.ID LIMIT 20"));
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("NameFull")});
    for (const QVariantList& row : r.rows)
        out.rows << QVariantList{row.at(0), row.at(1)};
    return out;
}

// A pick that changes from day to day but not within a day: the 20 keys with the smallest
// mixed value of key and day, shown in name order.
quint32 dayMix(qint64 id, qint64 day)
{
    quint32 x = quint32(id) * 2654435761u ^ quint32(day) * 40503u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return x;
}

// The rows of the query are read as they come and only the count picked so far are kept, so
// the pick costs the same memory for any size of catalogue. The mix is a bijection of the
// key for a given day, so no two keys tie.
QList<QVariantList> dailyPick(QSqlQuery q, int count)
{
    const qint64 day = QDate::currentDate().toJulianDay();
    const int columns = q.record().count();
    std::vector<std::pair<quint32, QVariantList>> kept; // smallest mix first
    while (q.next()) {
        const quint32 mix = dayMix(q.value(0).toLongLong(), day);
        if (int(kept.size()) == count && mix >= kept.back().first)
            continue;
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << q.value(i);
        const auto at = std::upper_bound(kept.begin(), kept.end(), mix,
                                         [](quint32 m, const auto& entry) { return m < entry.first; });
        kept.insert(at, {mix, row});
        if (int(kept.size()) > count)
            kept.pop_back();
    }
    QList<QVariantList> rows;
    for (auto& entry : kept)
        rows << std::move(entry.second);
    return rows;
}

// NoteIcon of a performer: 1 with a biography, 2 with a picture, 3 with both (written bold).
RowSet encyclPerformerCasual(Connection& c, const RoutineArgs&)
{
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("NameFull"), QStringLiteral("NoteIcon")});
    const QList<QVariantList> picked = dailyPick(c.query(QStringLiteral(
        "SELECT ID, NameFull, CASE WHEN Text IS NOT NULL AND Text <> '' THEN 1 ELSE 0 END + "
        "CASE WHEN Picture IS NOT NULL THEN 2 ELSE 0 END AS NoteIcon FROM Performer WHERE Main IS NULL")), 20);
    for (const QVariantList& row : picked)
        out.rows << QVariantList{row.at(0), row.at(1), row.at(2).toInt() == 0 ? -1 : row.at(2).toInt()};
    sortRows(out, QStringLiteral("NameFull"), QStringLiteral("ID"));
    return out;
}

RowSet encyclAlbumCasual(Connection& c, const RoutineArgs&)
{
    // The pick needs only the keys; the titles of the twenty picked are read one by one.
    RowSet out = makeRows({QStringLiteral("Album"), QStringLiteral("TitleYearPerformer")});
    const QList<QVariantList> picked = dailyPick(c.query(QStringLiteral("SELECT ID FROM Album WHERE EditMaster IS NULL")), 20);
    for (const QVariantList& key : picked) {
        const RowSet r = c.select(albumWithPerformer + QStringLiteral(" WHERE a.ID = :ID"), {{QStringLiteral("ID"), key.at(0)}});
        for (const QVariantList& row : r.rows)
            out.rows << QVariantList{row.at(0), titleYearPerformer(row.at(1), row.at(2))};
    }
    sortRows(out, QStringLiteral("TitleYearPerformer"), QStringLiteral("Album"));
    return out;
}

// Albums whose MP3 folders were registered last.
RowSet encyclAlbumMp3Last(Connection& c, const RoutineArgs&)
{
    const RowSet r = c.select(QStringLiteral(
        "SELECT a.ID, a.TitleFull, p.NameFull, MAX(d.ID) AS LastDir FROM MediumMpegDir d JOIN Album a ON a.ID = d.Album "
        "JOIN Performer p ON p.ID = a.Performer GROUP BY a.ID, a.TitleFull, p.NameFull ORDER BY LastDir DESC LIMIT 20"));
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("TitleYearPerformer")});
    for (const QVariantList& row : r.rows)
        out.rows << QVariantList{row.at(0), titleYearPerformer(row.at(1), row.at(2))};
    return out;
}

// Wanted albums, by performer and title.
RowSet encyclAlbumNeed(Connection& c, const RoutineArgs&)
{
    const RowSet r = c.select(albumWithPerformer + QStringLiteral(" WHERE a.Need = 1"));
    RowSet out = makeRows({QStringLiteral("ID"), QStringLiteral("TitleYearPerformer")});
    for (const QVariantList& row : r.rows)
        out.rows << QVariantList{row.at(0), titleYearPerformer(row.at(1), row.at(2))};
    sortRows(out, QStringLiteral("TitleYearPerformer"), QStringLiteral("ID"));
    return out;
}

} // namespace

std::vector<WorkItem> dueWork(Connection& c)
{
    std::vector<WorkItem> work;
    for (const QString* sql : {&cheapWork, &pageWork}) {
        QSqlQuery q = c.query(*sql);
        while (q.next())
            work.push_back({q.value(0).toString().at(0).unicode(), q.value(1).toInt()});
    }
    return work;
}

void registerRoutines()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    auto& r = db::RoutineRegistry::instance();
    r.add(QStringLiteral("EncyclObject"), encyclObject);
    r.add(QStringLiteral("EncyclNewVersion"), encyclNewVersion);
    r.add(QStringLiteral("EncyclPerformerAlbumKind"), encyclPerformerAlbumKind);
    r.add(QStringLiteral("EncyclPublicateLastInsert"), encyclPublicateLastInsert);
    r.add(QStringLiteral("EncyclPublicateLast"), encyclPublicateLast);
    r.add(QStringLiteral("EncyclStatistics"), encyclStatistics);
    r.add(QStringLiteral("EncyclAlbumTop"), encyclAlbumTop);
    r.add(QStringLiteral("EncyclPerformerTop"), encyclPerformerTop);
    r.add(QStringLiteral("EncyclPerformerCasual"), encyclPerformerCasual);
    r.add(QStringLiteral("EncyclAlbumCasual"), encyclAlbumCasual);
    r.add(QStringLiteral("EncyclAlbumMp3Last"), encyclAlbumMp3Last);
    r.add(QStringLiteral("EncyclAlbumNeed"), encyclAlbumNeed);
    registerPageRoutines();
    registerListRoutines();
}

} // namespace vintora::export_
