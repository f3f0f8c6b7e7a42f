#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace vintora::db {
class Connection;
}

namespace vintora::catalogue {

// One numbered step of the catalogue's schema. Statements may use the tokens of
// Schema::expand() so that one text serves SQLite and PostgreSQL.
struct Migration {
    int number;
    QString description;
    QStringList postgresBefore; // only PostgreSQL, before the shared ones (types, functions)
    QStringList statements;     // both servers
    QStringList sqliteAfter;    // only SQLite, after the shared ones
    QStringList postgresAfter;  // only PostgreSQL, after the shared ones
    std::function<void(db::Connection&)> fill; // rows written after the statements, if any
};

// The migrations in order. Deletes of referenced rows (the ON DELETE rules below):
//
// | Row deleted        | Dependent rows                                   | Rule        |
// |--------------------|--------------------------------------------------|-------------|
// | Performer          | Album (main performer), AlbumRole (credit)       | refused     |
// | Performer          | PerformerLink (both ends), PerformerGenre,       | cascade     |
// |                    | PerformerZip, AlbumReissue                       |             |
// | Performer          | Performer.Main, AlbumRole.Master, Track.Performer| set null    |
// | Album              | AlbumIssue, AlbumRole, Medium, Track, AlbumPlay, | cascade     |
// |                    | AlbumReissue (both ends)                         |             |
// | Album              | editions (Album.EditMaster), MediumMpegDir       | refused     |
// | AlbumIssue         | AlbumIssueLabel                                  | cascade     |
// | Firm               | AlbumIssueLabel.Label                            | refused     |
// | Firm               | FirmParent (both ends)                           | cascade     |
// | Firm               | Medium.Fabricator                                | set null    |
// | Genre              | PerformerGenre                                   | cascade     |
// | Genre              | Genre.Union (members of a group)                 | refused     |
// | Genre              | Performer.Genre, Genre.UnionAddition             | set null    |
// | MediumMpegPlace    | MediumMpegDir                                    | refused     |
// | MediumMpegDir      | MediumMpegFile                                   | cascade     |
// | AlbumKind          | Album                                            | refused     |
//
// Refused deletes keep what the collector would lose silently (albums, credits, labels, the
// registered MP3 folders); cascades remove only rows that mean nothing without their owner.
const QList<Migration>& migrations();

// Replaces the dialect tokens: $IDENTITY, $FLAG, $TINYINT, $DATETIME, $IMAGE, $TEXT,
// $CODEPOINT(x), $NOW.
QString expand(const QString& statement, bool postgres);

} // namespace vintora::catalogue
