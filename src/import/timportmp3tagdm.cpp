#include "import/timportmp3tagdm.h"

#include "audio/tmpegaudio.h"
#include "catalogue/tdmcomming.h"
#include "import/importroutines.h"
#include "platform/db/connection.h"
#include "platform/db/routines.h"
#include "platform/os/applog.h"
#include "platform/os/files.h"
#include "platform/os/system.h"
#include "platform/os/volumes.h"
#include "text/textrules.h"
#include "platform/utf8.h"

#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <optional>

namespace vintora::import {

using catalogue::ImportState;
using db::Param;

namespace {

const QString& unknownText()
{
    static const QString t = QStringLiteral("[unknown]");
    return t;
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

// The place columns are 20 characters wide; the same cut is used to look up and to insert. A
// missing label is stored as an empty text, never null, so that it can be looked up again.
QString placeText(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("") : text.left(20);
}

int idOf(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? v.toInt() : 0;
}

QString percentLine(double percent)
{
    return S("Обработано %1% файлов.").arg(QLocale::system().toString(percent, 'f', 1), 3);
}

} // namespace

StreamInfo StreamInfo::from(const QString& path, const audio::TMPEGaudio& reader)
{
    StreamInfo s;
    // Size and time as the change test sees them, also for a file the reader could not examine.
    const QFileInfo info(path);
    s.size = info.size();
    s.age = info.lastModified();
    s.duration = int(std::lround(reader.Duration()));
    s.encoder = reader.Encoder().left(30);
    s.vbr = reader.VBR.Found;
    s.bitRate = reader.BitRate();
    s.channelMode = reader.Frame.Found ? reader.Frame.ModeID : 4;
    s.isLyrics = reader.ID3v2.Exists && !reader.ID3v2.Lyrics.isEmpty();
    try {
        s.version = reader.TagVersion().left(10);
        s.versionKnown = true;
    } catch (...) {
        s.versionKnown = false; // the stored version stays as it was
    }
    return s;
}

TImportMp3TagDM::TImportMp3TagDM(catalogue::TdmComming& dm, IImportChooser& chooser)
    : m_dm(dm), m_state(dm.importState), m_chooser(chooser), m_synonyms(dm.cnVintora())
{
    registerRoutines();
}

db::Connection& TImportMp3TagDM::connection() const
{
    return m_dm.cnVintora();
}

bool TImportMp3TagDM::NeedsImport(const QString& path)
{
    const int place = FindPlace(path);
    if (place <= 0)
        return true;
    // Every directory row of the folder counts (one per album), so a file filed under any
    // album of a shared folder is recognised.
    const db::RowSet r = connection().select(
        QStringLiteral("SELECT f.Size, f.Age FROM MediumMpegFile f JOIN MediumMpegDir d ON d.ID = f.Directory "
                       "WHERE d.Place = :Place AND d.Path = :Path AND f.Name = :Name ORDER BY d.ID LIMIT 1"),
        {{QStringLiteral("Place"), place}, {QStringLiteral("Path"), os::dirWithoutDrive(folderOf(path))},
         {QStringLiteral("Name"), fileNameOf(path)}});
    if (r.rows.isEmpty())
        return true;
    const QFileInfo info(path);
    const QVariant size = r.value(0, QStringLiteral("Size"));
    const QDateTime age = db::Connection::toDateTime(r.value(0, QStringLiteral("Age")));
    if (size.isNull() || !age.isValid())
        return true;
    return !(size.toLongLong() == info.size() && age == info.lastModified());
}

void TImportMp3TagDM::CollectValues(const QString& path, const audio::TMPEGaudio& reader)
{
    m_state.reset();
    if (reader.ID3v2.Exists) {
        const audio::TID3v2& t = reader.ID3v2;
        m_state.PerformerName = t.Artist;
        m_state.Year = t.Year;
        m_state.AlbumTitle = t.Album;
        m_state.TrackTitle = t.Title;
        m_state.TrackNumber = int(t.Track) % 65535;
        m_state.GenreName = t.Genre;
        m_state.LengthText = reader.DurationText();
        m_state.Authors = text::TextRules::NormalizeAuthors(t.Composer);
        m_state.SecondPerformerName = t.OriginalArtist;
        m_state.Lyrics = t.Lyrics;
    } else if (reader.ID3v1.Exists) {
        const audio::TID3v1& t = reader.ID3v1;
        m_state.PerformerName = t.Artist;
        m_state.Year = t.Year;
        m_state.AlbumTitle = t.Album;
        m_state.TrackTitle = t.Title;
        m_state.TrackNumber = t.Track;
        m_state.GenreName = t.Genre();
        m_state.LengthText = reader.DurationText();
    }
    if (m_state.PerformerName.isEmpty())
        m_state.PerformerName = unknownText();
    if (m_state.Year.isEmpty())
        m_state.Year = QStringLiteral("????");
    if (m_state.AlbumTitle.isEmpty())
        m_state.AlbumTitle = unknownText();
    if (m_state.TrackTitle.isEmpty())
        m_state.TrackTitle = os::fileNameWithoutExt(path);
    if (m_state.LengthText.isEmpty())
        m_state.LengthText = QStringLiteral("??:??");
    m_stream = StreamInfo::from(path, reader);
    m_fileBaseName = os::fileNameWithoutExt(path);
}

void TImportMp3TagDM::ImportFile(const QString& path, const audio::TMPEGaudio& reader,
                                 std::function<void(int)> finished, std::function<void()> cancelled)
{
    CollectValues(path, reader);
    // The questions may be answered later; everything the steps need is in the state and
    // m_stream. Writes wait until every ID is known, so a cancelled question or a killed run
    // leaves nothing of the file half written.
    auto writeAll = [this, path, finished]() {
        int fileId = -1;
        {
            // Inside a caller's transaction (a batch that keeps the rows it made for the file
            // with the file) the writes are part of that one, and are lost with it.
            std::optional<db::Transaction> t;
            if (connection().transactionDepth() == 0)
                t.emplace(connection());
            LinkPerformerGenre();
            FillTrackGaps();
            SetTrackPerformer();
            WriteStreamInfo(path, m_stream);
            fileId = m_lastFileId;
            if (t)
                t->commit();
        }
        finished(fileId);
    };
    auto secondPerformer = [this, writeAll, cancelled]() {
        if (m_state.SecondPerformerName.isEmpty())
            writeAll();
        else
            ResolveSecondPerformer(writeAll, cancelled);
    };
    auto track = [this, secondPerformer, cancelled]() { ResolveTrack(secondPerformer, cancelled); };
    auto genre = [this, track, cancelled]() { ResolveGenre(track, cancelled); };
    auto album = [this, genre, cancelled]() { ResolveAlbum(genre, cancelled); };
    ResolvePerformer(album, cancelled);
}

void TImportMp3TagDM::ask(ImportQuestion question, std::function<void(int)> answered, Next cancelled)
{
    m_chooser.choose(question, std::move(answered), std::move(cancelled));
}

int TImportMp3TagDM::lookupPerformer(const QString& name)
{
    // Only the first row counts; common names match dozens of performers.
    const int id = idOf(connection().scalar(
        QStringLiteral("SELECT ID FROM Performer WHERE LastName = :Name ORDER BY ID LIMIT 1"), {{QStringLiteral("Name"), name}}));
    return id != 0 ? id : m_synonyms.GetSynonym(text::TSynonymDM::performerKey(name));
}

void TImportMp3TagDM::ResolvePerformer(Next next, Next cancelled)
{
    m_state.PerformerID = lookupPerformer(m_state.PerformerName);
    if (m_state.PerformerID != 0) {
        next();
        return;
    }
    ImportQuestion q;
    q.kind = ImportQuestion::Performer;
    q.text = m_state.PerformerName;
    q.synonymKey = text::TSynonymDM::performerKey(m_state.PerformerName);
    q.answererStoresSynonym = true;
    ask(q, [this, next](int id) {
        m_state.PerformerID = id;
        next();
    }, cancelled);
}

void TImportMp3TagDM::ResolveAlbum(Next next, Next cancelled)
{
    const int found = idOf(connection().scalar(
        QStringLiteral("SELECT ID FROM Album WHERE Performer = :P AND RecordYear = :Y AND Title = :T ORDER BY ID LIMIT 1"),
        {{QStringLiteral("P"), m_state.PerformerID}, {QStringLiteral("Y"), m_state.Year},
         {QStringLiteral("T"), m_state.AlbumTitle}}));
    const QString key = text::TSynonymDM::albumKey(m_state.PerformerID, m_state.Year, m_state.AlbumTitle);
    m_state.AlbumID = found != 0 ? found : m_synonyms.GetSynonym(key);
    if (m_state.AlbumID != 0) {
        next();
        return;
    }
    ImportQuestion q;
    q.kind = ImportQuestion::Album;
    q.text = m_state.AlbumTitle;
    q.performerId = m_state.PerformerID;
    q.year = m_state.Year;
    q.synonymKey = key;
    ask(q, [this, next, key](int id) {
        m_state.AlbumID = id;
        m_synonyms.SetSynonym(id, key);
        next();
    }, cancelled);
}

void TImportMp3TagDM::ResolveGenre(Next next, Next cancelled)
{
    const int found = idOf(connection().scalar(QStringLiteral("SELECT ID FROM Genre WHERE Name = :NM ORDER BY ID LIMIT 1"),
                                               {{QStringLiteral("NM"), m_state.GenreName}}));
    const QString key = text::TSynonymDM::genreKey(m_state.GenreName);
    m_state.GenreID = found != 0 ? found : m_synonyms.GetSynonym(key);
    if (m_state.GenreID != 0 || m_state.GenreName.isEmpty()) {
        next();
        return;
    }
    ImportQuestion q;
    q.kind = ImportQuestion::Genre;
    q.text = m_state.GenreName;
    q.synonymKey = key;
    q.answererStoresSynonym = true;
    ask(q, [this, next, key](int id) {
        m_state.GenreID = id;
        m_synonyms.SetSynonym(id, key);
        next();
    }, cancelled);
}

void TImportMp3TagDM::ResolveTrack(Next next, Next cancelled)
{
    db::Connection& c = connection();
    const int found = idOf(c.scalar(
        QStringLiteral("SELECT ID FROM Track WHERE Album = :AL AND Number = :NU AND Title = :TI ORDER BY ID LIMIT 1"),
        {{QStringLiteral("AL"), m_state.AlbumID}, {QStringLiteral("NU"), m_state.TrackNumber},
         {QStringLiteral("TI"), m_state.TrackTitle}}));
    const QString key = text::TSynonymDM::trackKey(m_state.AlbumID, m_state.TrackNumber, m_state.TrackTitle);
    m_state.TrackID = found != 0 ? found : m_synonyms.GetSynonym(key);
    if (m_state.TrackID != 0) {
        next();
        return;
    }
    ImportQuestion q;
    q.kind = ImportQuestion::Track;
    q.text = m_state.TrackTitle;
    q.albumId = m_state.AlbumID;
    q.number = m_state.TrackNumber;
    q.fileBaseName = m_fileBaseName;
    q.synonymKey = key;
    q.answererStoresSynonym = true;
    if (m_chooser.wantsTrackPreselection())
        q.preselectedTrackId = idOf(c.scalar(
            QStringLiteral("SELECT ID FROM Track WHERE Album = :AL AND Title = :TI ORDER BY ID LIMIT 1"),
            {{QStringLiteral("AL"), m_state.AlbumID}, {QStringLiteral("TI"), m_state.TrackTitle}}));
    ask(q, [this, next](int id) {
        m_state.TrackID = id;
        next();
    }, cancelled);
}

void TImportMp3TagDM::ResolveSecondPerformer(Next next, Next cancelled)
{
    m_state.SecondPerformerID = lookupPerformer(m_state.SecondPerformerName);
    if (m_state.SecondPerformerID != 0) {
        next();
        return;
    }
    const QString key = text::TSynonymDM::performerKey(m_state.SecondPerformerName);
    ImportQuestion q;
    q.kind = ImportQuestion::SecondPerformer;
    q.text = m_state.SecondPerformerName;
    q.synonymKey = key;
    ask(q, [this, next, key](int id) {
        m_state.SecondPerformerID = id;
        m_synonyms.SetSynonym(id, key);
        next();
    }, cancelled);
}

void TImportMp3TagDM::LinkPerformerGenre()
{
    if (m_state.GenreID > 0 && m_state.PerformerID > 0)
        db::callRoutine(connection(), QStringLiteral("ImpPerformerGenre;1"),
                        {{QStringLiteral("@PR"), m_state.PerformerID}, {QStringLiteral("@GR"), m_state.GenreID}});
}

void TImportMp3TagDM::FillTrackGaps()
{
    // One statement that fills only the empty columns, and writes the row only when one of
    // them is empty; a column that holds a value is never touched.
    QStringList sets, gaps;
    db::Params p{{QStringLiteral("ID"), m_state.TrackID}};
    auto gap = [&](const char* column, const QString& value) {
        if (value.isEmpty())
            return;
        const QString name = QString::fromLatin1(column);
        const QString empty = QStringLiteral("COALESCE(%1, '') = ''").arg(name);
        sets << QStringLiteral("%1 = CASE WHEN %2 THEN :%1 ELSE %1 END").arg(name, empty);
        gaps << empty;
        p.set(name, value);
    };
    gap("Length", m_state.LengthText.left(6));
    gap("Authors", m_state.Authors.left(150));
    gap("Lyrics", m_state.Lyrics);
    if (!sets.isEmpty())
        connection().execute(QStringLiteral("UPDATE Track SET %1 WHERE ID = :ID AND (%2)")
                                 .arg(sets.join(QStringLiteral(", ")), gaps.join(QStringLiteral(" OR "))),
                             p);
}

void TImportMp3TagDM::SetTrackPerformer()
{
    if (m_state.SecondPerformerID <= 0)
        return;
    connection().execute(QStringLiteral("UPDATE Track SET Performer = :PR WHERE ID = :ID AND "
                                        "(Performer IS NULL OR Performer <> :PR2)"),
                         {{QStringLiteral("PR"), m_state.SecondPerformerID}, {QStringLiteral("ID"), m_state.TrackID},
                          {QStringLiteral("PR2"), m_state.SecondPerformerID}});
}

int TImportMp3TagDM::FindPlace(const QString& path)
{
    const QString letter = os::Volumes::mountPointOf(QFileInfo(path).absoluteFilePath());
    if (!m_placeLetter.isEmpty() && letter == m_placeLetter)
        return m_placeId;
    const int kind = os::getDriveKind(letter);
    const QString computer = placeText(kind == os::DriveCdRom ? QStringLiteral("CD-ROM") : os::getComputerNameText());
    const QString volume = placeText(os::getVolumeLabel(letter));
    db::Connection& c = connection();
    const db::Params p{{QStringLiteral("Comp"), computer}, {QStringLiteral("Kind"), kind}, {QStringLiteral("Vol"), volume}};
    const db::RowSet r = c.select(
        QStringLiteral("SELECT * FROM MediumMpegPlace WHERE Computer = :Comp AND Kind = :Kind AND Volume = :Vol ORDER BY ID"), p);
    int id = 0;
    if (!r.rows.isEmpty())
        id = r.value(0, QStringLiteral("ID")).toInt();
    else
        id = int(c.insertReturningId(
            QStringLiteral("INSERT INTO MediumMpegPlace (Computer, Kind, Volume) VALUES (:Comp, :Kind, :Vol)"), p));
    if (id <= 0)
        os::WriteLogFmt(S("Отсутствует место: тип[%1], компьютер[%2], раздел[%3]"), kind, computer, volume);
    m_placeLetter = letter;
    m_placeId = id;
    return id;
}

int TImportMp3TagDM::FindDirectory(const QString& path, int place, int album)
{
    const QString dir = os::dirWithoutDrive(folderOf(path));
    db::Connection& c = connection();
    const db::Params p{{QStringLiteral("Album"), album}, {QStringLiteral("Place"), place}, {QStringLiteral("Path"), dir}};
    const QVariant found = c.scalar(
        QStringLiteral("SELECT ID FROM MediumMpegDir WHERE Album = :Album AND Place = :Place AND Path = :Path ORDER BY ID LIMIT 1"), p);
    int id = found.isValid() && !found.isNull() ? found.toInt() : 0;
    if (id == 0)
        id = int(c.insertReturningId(
            QStringLiteral("INSERT INTO MediumMpegDir (Album, Place, Path) VALUES (:Album, :Place, :Path)"), p));
    if (id < 1)
        os::WriteLogFmt(S("Отсутствует директория: альбом[%1], место[%2], путь[%3]"), album, place, dir);
    return id;
}

int TImportMp3TagDM::RegisterFile(const QString& path)
{
    return registerFile(path, nullptr);
}

int TImportMp3TagDM::registerFile(const QString& path, const StreamInfo* info)
{
    const int place = FindPlace(path);
    if (place <= 0)
        return -1;
    db::Connection& c = connection();
    const QString name = fileNameOf(path);
    // The album's directory of the folder and the file in it, in one look; FindDirectory adds
    // the directory when there is none.
    const db::RowSet known = c.select(
        QStringLiteral("SELECT d.ID, f.ID FROM MediumMpegDir d LEFT JOIN MediumMpegFile f ON f.Directory = d.ID AND f.Name = :Name "
                       "WHERE d.Album = :Album AND d.Place = :Place AND d.Path = :Path ORDER BY d.ID, f.ID LIMIT 1"),
        {{QStringLiteral("Name"), name}, {QStringLiteral("Album"), m_state.AlbumID}, {QStringLiteral("Place"), place},
         {QStringLiteral("Path"), os::dirWithoutDrive(folderOf(path))}});
    int dir = known.isEmpty() ? 0 : idOf(known.rows.first().at(0));
    int found = known.isEmpty() ? 0 : idOf(known.rows.first().at(1));
    if (dir <= 0)
        dir = FindDirectory(path, place, m_state.AlbumID);
    if (dir <= 0)
        return -1;
    db::Params p{{QStringLiteral("Dir"), dir}, {QStringLiteral("Name"), name}};
    if (!info) {
        if (found > 0)
            return found;
        return int(c.insertReturningId(QStringLiteral("INSERT INTO MediumMpegFile (Directory, Name) VALUES (:Dir, :Name)"), p));
    }
    // The stream columns go with the row's insert, or rewrite the row found.
    QStringList columns{QStringLiteral("Size"),    QStringLiteral("Age"),         QStringLiteral("Duration"),
                        QStringLiteral("Encoder"), QStringLiteral("VBR"),         QStringLiteral("BitRate"),
                        QStringLiteral("ChannelMode"), QStringLiteral("IsLyrics")};
    db::Params values{{QStringLiteral("Size"), info->size},          {QStringLiteral("Age"), info->age},
                      {QStringLiteral("Duration"), info->duration},  {QStringLiteral("Encoder"), info->encoder},
                      {QStringLiteral("VBR"), info->vbr},            {QStringLiteral("BitRate"), info->bitRate},
                      {QStringLiteral("ChannelMode"), info->channelMode}, {QStringLiteral("IsLyrics"), info->isLyrics}};
    if (info->versionKnown) {
        columns << QStringLiteral("Version");
        values.set(QStringLiteral("Version"), info->version);
    }
    if (found > 0) {
        QStringList sets;
        for (const QString& column : columns)
            sets << column + QStringLiteral(" = :") + column;
        values.set(QStringLiteral("ID"), found);
        c.execute(QStringLiteral("UPDATE MediumMpegFile SET %1 WHERE ID = :ID").arg(sets.join(QStringLiteral(", "))), values);
        return found;
    }
    for (const Param& v : p)
        values.set(v.name, v.value);
    return int(c.insertReturningId(QStringLiteral("INSERT INTO MediumMpegFile (Directory, Name, %1) VALUES (:Dir, :Name, :%2)")
                                       .arg(columns.join(QStringLiteral(", ")), columns.join(QStringLiteral(", :"))),
                                   values));
}

void TImportMp3TagDM::WriteStreamInfo(const QString& path, const StreamInfo& info)
{
    m_lastFileId = -1;
    const int id = registerFile(path, &info);
    if (id <= 0) {
        os::WriteLog(S("Нет файла : ") + path);
        return;
    }
    m_lastFileId = id;
}

void TImportMp3TagDM::CheckFolderFiles(const QString& folder, ICheckFolderView& view)
{
    const QString clean = QFileInfo(folder).absoluteFilePath();
    const QString letter = os::Volumes::mountPointOf(clean);
    db::Connection& c = connection();
    db::Params args{{QStringLiteral("@CMP"), placeText(os::getComputerNameText())},
                    {QStringLiteral("@VOL"), placeText(os::getVolumeLabel(letter))},
                    {QStringLiteral("@CHR"), letter},
                    {QStringLiteral("@PH"), os::dirWithoutDrive(clean)}};
    db::Params count = args;
    count.set(QStringLiteral("@CNT"), 1);
    const int n = db::callRoutine(c, QStringLiteral("ImpMpegFileTest"), count).value(0, QStringLiteral("Count")).toInt();
    if (n <= 0)
        return;
    view.addLine(S("Зарегистророванно %1 файлов.").arg(n));
    view.raiseProgressMaximum(n);
    view.addLine(percentLine(0));
    // Read in pieces, each after the last row seen, so that a folder of any size costs the
    // same memory and rows deleted on the way do not shift the rest.
    constexpr int kPiece = 1000;
    args.set(QStringLiteral("@TOP"), kPiece);
    int i = 0;
    while (i < n) {
        const db::RowSet r = db::callRoutine(c, QStringLiteral("ImpMpegFileTest"), args);
        for (qsizetype k = 0; k < r.size() && i < n; ++k) {
            ++i;
            const QVariantList& row = r.rows.at(k);
            const QString name = row.at(1).toString();
            const double percent = double(i) * 100.0 / n;
            if (QFileInfo::exists(name)) {
                view.replaceLastLine(percentLine(percent));
            } else {
                c.execute(QStringLiteral("DELETE FROM MediumMpegFile WHERE ID = :ID"), {{QStringLiteral("ID"), row.at(0).toInt()}});
                view.addLine(S("%1 отсутствует, запись удалена").arg(name));
                view.addLine(percentLine(percent));
            }
        }
        if (r.size() < kPiece)
            break;
        const QVariantList& last = r.rows.last();
        args.set(QStringLiteral("@AFTERID"), last.at(0));
        args.set(QStringLiteral("@AFTERPH"), last.at(2));
        args.set(QStringLiteral("@AFTERNM"), last.at(3));
    }
}

} // namespace vintora::import
