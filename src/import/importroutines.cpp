#include "import/importroutines.h"

#include "platform/db/connection.h"
#include "platform/db/routines.h"
#include "platform/utf8.h"

#include <QDir>

namespace vintora::import {

using db::Connection;
using db::RoutineArgs;
using db::RowSet;

namespace {

// Links a performer to a genre; a link that exists already is left as it is.
RowSet impPerformerGenre(Connection& c, const RoutineArgs& a)
{
    const int performer = a.integer(QStringLiteral("PR"), 0);
    const int genre = a.integer(QStringLiteral("GR"), 0);
    if (performer <= 0 || genre <= 0)
        return {};
    c.execute(QStringLiteral("INSERT INTO PerformerGenre (Performer, Genre) "
                             "SELECT CAST(:P1 AS INTEGER), CAST(:G1 AS INTEGER) WHERE NOT EXISTS "
                             "(SELECT 1 FROM PerformerGenre WHERE Performer = :P2 AND Genre = :G2)"),
              {{QStringLiteral("P1"), performer}, {QStringLiteral("G1"), genre},
               {QStringLiteral("P2"), performer}, {QStringLiteral("G2"), genre}});
    return {};
}

// The registered files of a folder and its sub-folders on one volume of this computer (a disc
// in a CD drive is known by its label alone), with full paths below the mount point @CHR, in
// folder and name order. Large folders are read in pieces: @TOP rows at most, after the row
// @AFTERPH, @AFTERNM, @AFTERID (its Path, Name and ID); @CNT = 1 gives only their Count.
RowSet impMpegFileTest(Connection& c, const RoutineArgs& a)
{
    // Unlabelled volumes are stored with an empty label, not null.
    const QString computer = a.text(QStringLiteral("CMP"), QStringLiteral(""));
    QString volume = a.text(QStringLiteral("VOL"));
    if (volume.isNull())
        volume = QStringLiteral("");
    const QString mount = a.text(QStringLiteral("CHR"));
    QString path = a.text(QStringLiteral("PH"));
    if (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    const QString prefix = path == QLatin1String("/") ? path : path + QLatin1Char('/');
    // Places, then their folders, then the files: SQLite keeps the written order of a CROSS
    // JOIN, and would otherwise walk every registered file of the catalogue.
    QString where = QStringLiteral("FROM MediumMpegPlace p CROSS JOIN MediumMpegDir d CROSS JOIN MediumMpegFile f "
                                   "WHERE p.Volume = :Vol AND (p.Computer = :Comp OR p.Kind = 5) "
                                   "AND d.Place = p.ID AND f.Directory = d.ID "
                                   "AND (d.Path = :Path OR SUBSTR(d.Path, 1, CAST(:Len AS INTEGER)) = :Prefix)");
    db::Params p{{QStringLiteral("Vol"), volume}, {QStringLiteral("Comp"), computer}, {QStringLiteral("Path"), path},
                 {QStringLiteral("Len"), int(prefix.size())}, {QStringLiteral("Prefix"), prefix}};
    if (a.flag(QStringLiteral("CNT"))) {
        RowSet r;
        r.columns << QStringLiteral("Count");
        r.rows << QVariantList{c.scalar(QStringLiteral("SELECT COUNT(*) ") + where, p).toInt()};
        return r;
    }
    if (!a.isNull(QStringLiteral("AFTERID"))) {
        where += QStringLiteral(" AND (d.Path > :AP1 OR (d.Path = :AP2 AND (f.Name > :AN1 OR (f.Name = :AN2 AND f.ID > :AI))))");
        const QString afterPath = a.text(QStringLiteral("AFTERPH"));
        const QString afterName = a.text(QStringLiteral("AFTERNM"));
        p << db::Param{QStringLiteral("AP1"), afterPath} << db::Param{QStringLiteral("AP2"), afterPath}
          << db::Param{QStringLiteral("AN1"), afterName} << db::Param{QStringLiteral("AN2"), afterName}
          << db::Param{QStringLiteral("AI"), a.integer(QStringLiteral("AFTERID"))};
    }
    QString sql = QStringLiteral("SELECT f.ID, d.Path, f.Name ") + where + QStringLiteral(" ORDER BY d.Path, f.Name, f.ID");
    const int top = a.integer(QStringLiteral("TOP"), 0);
    if (top > 0) {
        sql += QStringLiteral(" LIMIT CAST(:Top AS INTEGER)");
        p << db::Param{QStringLiteral("Top"), top};
    }
    const RowSet found = c.select(sql, p);
    RowSet r;
    r.columns << QStringLiteral("ID") << QStringLiteral("FileName") << QStringLiteral("Path") << QStringLiteral("Name");
    r.rows.reserve(found.rows.size());
    for (const QVariantList& row : found.rows) {
        const QString dir = row.at(1).toString();
        const QString name = row.at(2).toString();
        const QString file = QDir::cleanPath(mount + QLatin1Char('/') + dir + QLatin1Char('/') + name);
        r.rows << QVariantList{row.at(0).toInt(), file, dir, name};
    }
    return r;
}

// The folder as it is kept: always with its trailing separator, so that "/music" and "/music/"
// are one mark. Longer than the column it is refused rather than cut, so that two long folders
// never share a mark.
QString noDoneFolder(const RoutineArgs& a)
{
    QString path = a.text(QStringLiteral("PH")).trimmed();
    if (path.isEmpty())
        throw db::DbError(S("Не указана папка (@PH)."));
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    if (path.size() > 500)
        throw db::DbError(S("Папка длиннее 500 знаков: %1").arg(path));
    return path;
}

// The computer as a text(50) argument: a longer name is cut, the same way for every call.
QString noDoneComputer(const RoutineArgs& a)
{
    const QString computer = a.text(QStringLiteral("CMP")).trimmed().left(50);
    if (computer.isEmpty())
        throw db::DbError(S("Не указан компьютер (@CMP)."));
    return computer;
}

// "+" marks a folder of this computer as a scan not finished (a marked one gets the new time),
// "-" removes the mark (an unmarked folder is left as it is).
RowSet execDirNoDone(Connection& c, const RoutineArgs& a)
{
    const QString action = a.text(QStringLiteral("R"));
    const QString computer = noDoneComputer(a);
    const QString path = noDoneFolder(a);
    const db::Params p{{QStringLiteral("C"), computer}, {QStringLiteral("P"), path}};
    if (action == QLatin1String("+")) {
        db::Params insert = p;
        insert.set(QStringLiteral("S"), c.getDate());
        c.execute(QStringLiteral("INSERT INTO MpegScanNoDone (Computer, Path, Scan) VALUES (:C, :P, :S) "
                                 "ON CONFLICT (Computer, Path) DO UPDATE SET Scan = excluded.Scan"),
                  insert);
    } else if (action == QLatin1String("-")) {
        c.execute(QStringLiteral("DELETE FROM MpegScanNoDone WHERE Computer = :C AND Path = :P"), p);
    } else {
        throw db::DbError(S("Неверный признак @R \"%1\": нужен \"+\" (отметить папку) или \"-\" (снять отметку).")
                              .arg(action));
    }
    return {};
}

// The folders of a computer whose scan is not finished, by folder.
RowSet gridDirNoDone(Connection& c, const RoutineArgs& a)
{
    const RowSet found = c.select(
        QStringLiteral("SELECT ID, Path, Scan FROM MpegScanNoDone WHERE Computer = :C ORDER BY Path, ID"),
        {{QStringLiteral("C"), noDoneComputer(a)}});
    RowSet r;
    r.columns << QStringLiteral("ID") << QStringLiteral("Path") << QStringLiteral("Scan");
    for (const QVariantList& row : found.rows)
        r.rows << QVariantList{row.at(0).toInt(), row.at(1).toString(), Connection::toDateTime(row.at(2))};
    return r;
}

} // namespace

void registerRoutines()
{
    auto& registry = db::RoutineRegistry::instance();
    registry.add(QStringLiteral("ImpPerformerGenre"), impPerformerGenre);
    registry.add(QStringLiteral("ImpMpegFileTest"), impMpegFileTest);
    registry.add(QStringLiteral("ExecDirNoDone"), execDirNoDone);
    registry.add(QStringLiteral("GridDirNoDone"), gridDirNoDone);
}

} // namespace vintora::import
