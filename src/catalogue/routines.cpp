#include "catalogue/routines.h"

#include "platform/db/connection.h"
#include "platform/db/routines.h"
#include "platform/utf8.h"

namespace vintora::catalogue {

using db::Connection;
using db::RoutineArgs;
using db::RowSet;

namespace {

// The synonym's kind is the first letter of its key; firms are deleted under "F" but stored as "S|".
QString kindOfKey(const QString& key)
{
    return key.left(1).toUpper();
}

RowSet getSynonym(Connection& c, const RoutineArgs& a)
{
    const QString key = a.text(QStringLiteral("VAL"));
    RowSet r;
    r.columns << QStringLiteral("ID");
    const QVariant id = c.scalar(QStringLiteral("SELECT Object FROM Synonym WHERE \"Key\" = :K"), {{QStringLiteral("K"), key}});
    r.rows << QVariantList{id.isValid() ? id.toInt() : 0};
    return r;
}

RowSet setSynonym(Connection& c, const RoutineArgs& a)
{
    const QString key = a.text(QStringLiteral("VAL"));
    const int object = a.integer(QStringLiteral("OBJ"));
    if (key.isEmpty())
        return {};
    db::Transaction t(c);
    const int changed = c.execute(QStringLiteral("UPDATE Synonym SET Object = :O, Kind = :Kd WHERE \"Key\" = :K"),
                                  {{QStringLiteral("O"), object}, {QStringLiteral("Kd"), kindOfKey(key)},
                                   {QStringLiteral("K"), key}});
    if (changed == 0) {
        c.execute(QStringLiteral("INSERT INTO Synonym (Kind, Object, \"Key\") VALUES (:Kd, :O, :K)"),
                  {{QStringLiteral("Kd"), kindOfKey(key)}, {QStringLiteral("O"), object}, {QStringLiteral("K"), key}});
    }
    t.commit();
    return {};
}

RowSet delSynonym(Connection& c, const RoutineArgs& a)
{
    QString kind = a.text(QStringLiteral("VAL")).left(1).toUpper();
    if (kind == QLatin1String("F"))
        kind = QStringLiteral("S");
    c.execute(QStringLiteral("DELETE FROM Synonym WHERE Object = :O AND Kind = :Kd"),
              {{QStringLiteral("O"), a.integer(QStringLiteral("OBJ"))}, {QStringLiteral("Kd"), kind}});
    return {};
}

const QString trackColumns = QStringLiteral("Number, SubNumber, Title, Length, Authors, Performer, Description, Lyrics");
const QString roleColumns = QStringLiteral("Performer, Role, Play, Member, Master, SpecialGuest");

void copyTracks(Connection& c, int from, int to)
{
    c.execute(QStringLiteral("INSERT INTO Track (Album, %1) SELECT :To, %1 FROM Track WHERE Album = :From ORDER BY ID")
                  .arg(trackColumns),
              {{QStringLiteral("To"), to}, {QStringLiteral("From"), from}});
}

void copyRoles(Connection& c, int from, int to)
{
    c.execute(QStringLiteral("INSERT INTO AlbumRole (Album, %1) SELECT :To, %1 FROM AlbumRole WHERE Album = :From ORDER BY ID")
                  .arg(roleColumns),
              {{QStringLiteral("To"), to}, {QStringLiteral("From"), from}});
}

// A new edition of the album: the same album row under a new key, tied to the main edition,
// with its tracks and credits; issues, media and MP3 folders stay with the original.
RowSet albumCopy(Connection& c, const RoutineArgs& a)
{
    const int album = a.integer(QStringLiteral("AL"));
    db::Transaction t(c);
    const RowSet src = c.select(QStringLiteral("SELECT ID, EditMaster FROM Album WHERE ID = :ID"), {{QStringLiteral("ID"), album}});
    if (src.isEmpty())
        throw db::DbError(S("Альбом (код: %1) не найден.").arg(album));
    const QVariant master = src.value(0, QStringLiteral("EditMaster")).isNull() ? QVariant(album)
                                                                                 : src.value(0, QStringLiteral("EditMaster"));
    const int id = c.emptyId(QStringLiteral("A"));
    c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Kind, Title, RecordYear, RecordYearAdd, RecordTime, EditMaster, "
                             "EditDescription, Compound, Need, NotPlay, Range, Added, Publication, Notes, Picture) "
                             "SELECT :New, Performer, Kind, Title, RecordYear, RecordYearAdd, RecordTime, :Master, "
                             "EditDescription, Compound, Need, NotPlay, Range, :Now, :Now, Notes, Picture FROM Album WHERE ID = :ID"),
              {{QStringLiteral("New"), id}, {QStringLiteral("Master"), master}, {QStringLiteral("Now"), c.getDate()},
               {QStringLiteral("ID"), album}});
    copyTracks(c, album, id);
    copyRoles(c, album, id);
    t.commit();
    RowSet r;
    r.columns << QStringLiteral("ID");
    r.rows << QVariantList{id};
    return r;
}

// Fills an edition from its main edition: empty columns take the master's values, and tracks
// and credits are copied when the edition has none. Nothing the edition holds is overwritten.
RowSet albumCopyFromMaster(Connection& c, const RoutineArgs& a)
{
    const int album = a.integer(QStringLiteral("ALB"));
    const QVariant master =
        c.scalar(QStringLiteral("SELECT EditMaster FROM Album WHERE ID = :ID"), {{QStringLiteral("ID"), album}});
    if (!master.isValid() || master.isNull())
        return {};
    db::Transaction t(c);
    const db::Params p{{QStringLiteral("ID"), album}, {QStringLiteral("M"), master}};
    for (const char* column : {"RecordYear", "RecordYearAdd", "RecordTime", "Notes"}) {
        const QString col = QString::fromLatin1(column);
        c.execute(QStringLiteral("UPDATE Album SET %1 = (SELECT m.%1 FROM Album m WHERE m.ID = :M) "
                                 "WHERE ID = :ID AND (%1 IS NULL OR %1 = '')")
                      .arg(col),
                  p);
    }
    c.execute(QStringLiteral("UPDATE Album SET Picture = (SELECT m.Picture FROM Album m WHERE m.ID = :M) "
                             "WHERE ID = :ID AND Picture IS NULL"),
              p);
    if (c.scalar(QStringLiteral("SELECT COUNT(*) FROM Track WHERE Album = :ID"), {{QStringLiteral("ID"), album}}).toInt() == 0)
        copyTracks(c, master.toInt(), album);
    if (c.scalar(QStringLiteral("SELECT COUNT(*) FROM AlbumRole WHERE Album = :ID"), {{QStringLiteral("ID"), album}}).toInt() == 0)
        copyRoles(c, master.toInt(), album);
    t.commit();
    return {};
}

} // namespace

void registerRoutines()
{
    auto& r = db::RoutineRegistry::instance();
    r.add(QStringLiteral("ExecGetSynonym"), getSynonym);
    r.add(QStringLiteral("ExecSetSynonym"), setSynonym);
    r.add(QStringLiteral("ExecDelSynonym"), delSynonym);
    r.add(QStringLiteral("ExecAlbumCopy"), albumCopy);
    r.add(QStringLiteral("ExecAlbumCopyFromMaster"), albumCopyFromMaster);
}

} // namespace vintora::catalogue
