#include "export/texportencyclopaediadm.h"

#include "export/albumpagewriter.h"
#include "export/encyclroutines.h"
#include "export/firmgenrepagewriter.h"
#include "export/indexpagewriter.h"
#include "export/performerpagewriter.h"
#include "export/exportabort.h"
#include "export/sitemarkers.h"
#include "export/sitetext.h"
#include "platform/db/connection.h"
#include "platform/db/routines.h"
#include "text/conversionerror.h"
#include "text/stringhelpers.h"
#include "platform/utf8.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>

namespace vintora::export_ {

namespace {

const QString& slash()
{
    static const QString s = QStringLiteral("/");
    return s;
}

} // namespace

TExportEncyclopaediaDM::TExportEncyclopaediaDM(db::Connection& connection, IExportProgress* progress)
    : m_c(connection), m_progress(progress)
{
    registerRoutines();
}

TExportEncyclopaediaDM::~TExportEncyclopaediaDM() = default;

QString TExportEncyclopaediaDM::now() const
{
    return QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}

void TExportEncyclopaediaDM::ExportLog(const QString& text)
{
    if (m_progress)
        m_progress->exportLog(text);
}

void TExportEncyclopaediaDM::growMaximum(int n, const QString& caption)
{
    if (m_progress)
        m_progress->growMaximum(n, caption);
}

void TExportEncyclopaediaDM::step()
{
    // Stepping is where a window lets its events through; the run's changes are committed
    // first now and then, so they are not held in a long transaction. Every writer resets its
    // mark only after its last step, so a committed reset always has its page on disk.
    if (m_writing && m_writeTimer.elapsed() >= 200)
        commitWrites();
    if (m_progress)
        m_progress->step();
}

void TExportEncyclopaediaDM::beginWrite()
{
    if (!m_inRun || m_writing)
        return;
    m_c.begin();
    m_writing = true;
    m_writeTimer.start();
}

void TExportEncyclopaediaDM::commitWrites()
{
    if (!m_writing)
        return;
    m_writing = false;
    m_c.commit();
}

void TExportEncyclopaediaDM::rollbackWrites()
{
    if (!m_writing)
        return;
    m_writing = false;
    try {
        m_c.rollback();
    } catch (...) {
        // The server has dropped the transaction with the failure that brought us here.
    }
}

// ---- layout -------------------------------------------------------------------------------

static QString objectFolder(int id)
{
    const QString code = LetterCode(id, 4);
    return QString(code.at(0)) + slash() + code.at(1) + slash() + code.at(2) + slash();
}

QString TExportEncyclopaediaDM::PerformerURL(int id)
{
    return objectFolder(id) + QStringLiteral("prf") + LetterCode(id, 4).at(3) + QStringLiteral(".htm");
}

QString TExportEncyclopaediaDM::AlbumURL(int id)
{
    return objectFolder(id) + QStringLiteral("alb") + LetterCode(id, 4).at(3) + QStringLiteral(".htm");
}

QString TExportEncyclopaediaDM::PerformerFile(int id) const
{
    return m_rootPath + PerformerURL(id);
}

QString TExportEncyclopaediaDM::AlbumFile(int id) const
{
    return m_rootPath + AlbumURL(id);
}

QString TExportEncyclopaediaDM::GenreFile(int id) const
{
    return m_rootPath + QStringLiteral("genre/") + LetterCode(id, 3) + QStringLiteral(".htm");
}

QString TExportEncyclopaediaDM::FirmFile(int id) const
{
    return m_rootPath + QStringLiteral("firm/") + LetterCode(id, 3) + QStringLiteral(".htm");
}

QString TExportEncyclopaediaDM::LetterOfChar(const QString& letter)
{
    const int b = letter.isEmpty() ? 0 : cp1251Byte(letter.at(0));
    return LetterCode(b < 0 ? 63 : b, 2);
}

QString TExportEncyclopaediaDM::AlphaFile(const QString& letter) const
{
    return m_rootPath + QStringLiteral("index/") + LetterOfChar(letter) + QStringLiteral(".htm");
}

QString TExportEncyclopaediaDM::redirectURL(int mainId) const
{
    if (m_params.siteHost.isEmpty())
        return QStringLiteral("../../../") + PerformerURL(mainId);
    return QStringLiteral("http://") + m_params.siteHost + QStringLiteral("/index/") + PerformerURL(mainId);
}

// ---- region writer -------------------------------------------------------------------------

const QStringList& TExportEncyclopaediaDM::templateLines(const QString& file)
{
    auto it = m_templates.find(file);
    if (it == m_templates.end()) {
        QStringList lines;
        if (!readPageLines(file, lines))
            throw ExportAbort(S("Не удалось прочитать шаблон %1").arg(file));
        it = m_templates.insert(file, lines);
    }
    return it.value();
}

void TExportEncyclopaediaDM::WriteRegion(const QString& target, const QString& beginMarker, const QString& endMarker,
                                         bool fromTemplate, const QString& templateFile, const QStringList& lines)
{
    QStringList source;
    const bool exists = pageExists(target);
    if (!exists || fromTemplate) {
        if (templateFile.isEmpty() || (!m_templates.contains(templateFile) && !QFileInfo(templateFile).isFile()))
            throw ExportAbort(S("Для файла %1 отсутсвует шаблон %2").arg(target, templateFile));
        source = m_inRun ? templateLines(templateFile) : QStringList();
        if (!m_inRun && !readPageLines(templateFile, source))
            throw ExportAbort(S("Не удалось прочитать шаблон %1").arg(templateFile));
    } else if (const auto it = m_pending.constFind(target); it != m_pending.constEnd()) {
        source = it.value();
    } else if (!readPageLines(target, source)) {
        throw ExportAbort(S("Не удалось прочитать файл %1").arg(target));
    }

    QStringList result;
    result.reserve(source.size() + lines.size());
    bool inside = false;
    for (const QString& line : source) {
        if (line.contains(beginMarker)) {
            result << line;
            result << lines;
            inside = true;
        } else if (line.contains(endMarker)) {
            result << line;
            inside = false;
        } else if (!inside) {
            result << line;
        }
    }
    if (inside)
        throw ExportAbort(S("В файле %1 отсутствует разделитель %2").arg(target, endMarker));

    ensureFolder(target);
    if (m_writerDepth > 0) {
        if (!m_pending.contains(target))
            m_pendingOrder << target;
        m_pending.insert(target, result);
    } else {
        writeLinesAtomically(target, result);
    }
    if (m_inRun && m_recordWritten)
        m_written << target;
}

void TExportEncyclopaediaDM::ensureFolder(const QString& file)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (m_folders.contains(folder))
        return;
    if (!QDir().mkpath(folder))
        throw ExportAbort(S("Для файла %1 произошла ошибка создания папки").arg(file));
    if (m_inRun)
        m_folders.insert(folder);
}

bool TExportEncyclopaediaDM::pageExists(const QString& path) const
{
    return m_pending.contains(path) || QFileInfo::exists(path);
}

void TExportEncyclopaediaDM::flushPending()
{
    const QStringList order = m_pendingOrder;
    const QHash<QString, QStringList> pages = m_pending;
    m_pendingOrder.clear();
    m_pending.clear();
    for (const QString& path : order)
        writeLinesAtomically(path, pages.value(path));
}

template <typename F>
void TExportEncyclopaediaDM::batch(F&& write)
{
    ++m_writerDepth;
    try {
        write();
    } catch (...) {
        --m_writerDepth;
        throw;
    }
    if (--m_writerDepth == 0)
        flushPending();
}

// The page goes to a file beside the target first and replaces it by a rename, so a failure
// leaves the target as it was.
void TExportEncyclopaediaDM::writeLinesAtomically(const QString& target, const QStringList& lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 2;
    text.reserve(size);
    for (const QString& l : lines) {
        if (l.contains(u'\n') || l.contains(u'\r'))
            text += splitLines(l).join(QStringLiteral("\r\n"));
        else
            text += l;
        text += QLatin1String("\r\n");
    }
    writeBytesAtomically(target, encodePage(text));
}

void TExportEncyclopaediaDM::saveFile(const QString& path, const QByteArray& bytes)
{
    ensureFolder(path);
    writeBytesAtomically(path, bytes);
}

void TExportEncyclopaediaDM::writeBytesAtomically(const QString& target, const QByteArray& bytes)
{
    // A page that already holds these bytes is not touched: no new file, no rename, and its
    // date stays what it was for the publishing program.
    if (const QFileInfo existing(target); existing.isFile() && existing.size() == bytes.size()) {
        QFile old(target);
        if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes) {
            ++m_filesUnchanged;
            return;
        }
    }
    const QString temporary = target + QStringLiteral(".vintora-new");
    QFile f(temporary);
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    if (ok) {
        f.close();
        ok = f.error() == QFileDevice::NoError;
    }
    if (ok)
        ok = std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
    if (!ok) {
        f.close();
        QFile::remove(temporary);
        throw ExportAbort(S("Не удалось записать файл %1").arg(target));
    }
    ++m_filesWritten;
}

// ---- publication ----------------------------------------------------------------------------

QString TExportEncyclopaediaDM::tableOf(const QString& kind)
{
    if (kind == QLatin1String("A"))
        return QStringLiteral("Album");
    if (kind == QLatin1String("G"))
        return QStringLiteral("Genre");
    if (kind == QLatin1String("P"))
        return QStringLiteral("Performer");
    if (kind == QLatin1String("S"))
        return QStringLiteral("Firm");
    return {};
}

void TExportEncyclopaediaDM::ResetPublication(const QString& kind, int id)
{
    const QString table = tableOf(kind);
    if (table.isEmpty())
        return;
    // The table name is one of four constants; the key is bound.
    beginWrite();
    m_c.execute(QStringLiteral("UPDATE ") + table
                    + QStringLiteral(" SET Publication = NULL WHERE (ID = :ID) AND (NOT Publication IS NULL)"),
                {{QStringLiteral("ID"), id}});
}

void TExportEncyclopaediaDM::MarkPublication(const QString& kind, int id, bool spread)
{
    const QString table = tableOf(kind);
    if (table.isEmpty())
        return;
    beginWrite();
    if (spread) {
        const int n = QRandomGenerator::global()->bounded(1, 30);
        m_c.execute(QStringLiteral("UPDATE ") + table
                        + QStringLiteral(" SET Publication = EncyclPublicateNull(CAST(:N AS INTEGER)) WHERE (ID = :ID)"),
                    {{QStringLiteral("N"), n}, {QStringLiteral("ID"), id}});
    } else {
        m_c.execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET Publication = GETDATE() WHERE (ID = :ID)"),
                    {{QStringLiteral("ID"), id}});
    }
}

void TExportEncyclopaediaDM::AddLastLink(const QString& link, bool main)
{
    beginWrite();
    db::callRoutine(m_c, QStringLiteral("EncyclPublicateLastInsert"),
                    {{QStringLiteral("@LNK"), link}, {QStringLiteral("@MAIN"), main}});
}

void TExportEncyclopaediaDM::MarkPublicFolder(const QString& page)
{
    QString folder = QFileInfo(page).path() + slash();
    if (folder.size() >= 3 && folder.at(folder.size() - 3) == u'/')
        folder.chop(2);
    const QString marker = folder + QStringLiteral("_public.web");
    if (m_markedFolders.contains(marker))
        return;
    if (!QFileInfo::exists(marker)) {
        QDir().mkpath(folder);
        QFile f(marker);
        if (!f.open(QIODevice::WriteOnly))
            throw ExportAbort(S("Для файла %1 произошла ошибка создания папки").arg(marker));
    }
    m_markedFolders.insert(marker);
}

bool TExportEncyclopaediaDM::HasCurrentVersion(const QString& file) const
{
    if (const auto it = m_pending.constFind(file); it != m_pending.constEnd())
        return it.value().join(u'\n').contains(marker::version());
    return fileContains(file, marker::version());
}

void TExportEncyclopaediaDM::AddGenre(const QString& id)
{
    m_pendingGenres.insert(id);
    const db::RowSet info = open(QStringLiteral("EncyclGenreInfo"), {{QStringLiteral("@GN"), id.toInt()}});
    if (info.isEmpty())
        return;
    for (const char* column : {"UnionID", "UnionAddID"}) {
        const QVariant v = info.value(0, QString::fromLatin1(column));
        if (!v.isNull())
            m_pendingGenres.insert(QString::number(v.toInt()));
    }
}

void TExportEncyclopaediaDM::EnsurePage(QChar kind, int id, bool checkVersion, const QString& name)
{
    const auto content = [&] {
        return QStringList{S("Временно отсутствует страница \"%1\" (код: %2)").arg(htmlText(name)).arg(id)};
    };
    const QString k(kind);
    if (kind == u'P' || kind == u'A') {
        const bool performer = kind == u'P';
        const QString file = performer ? PerformerFile(id) : AlbumFile(id);
        // A page seen in this run stays: it is not looked for on disk again, nor its design.
        IdSet& seen = performer ? m_performerPages : m_albumPages;
        if (m_inRun && seen.contains(id))
            return;
        if (!pageExists(file)) {
            if (deferPlaceholder(kind, id))
                return;
            if (m_inRun)
                seen.insert(id);
            if (performer)
                WriteRegion(file, marker::EPB(), marker::EPE(), true, m_params.performer, content());
            else
                WriteRegion(file, marker::ELB(), marker::ELE(), true, m_params.album, content());
            ExportLog((performer ? S("Временная страница для исполнителя \"%1\" (код: %2).")
                                 : S("Временная страница для альбома \"%1\" (код: %2)."))
                          .arg(name)
                          .arg(id));
            MarkPublication(k, id, false);
        } else {
            if (m_inRun)
                seen.insert(id);
            if (checkVersion && m_params.newVersion && !HasCurrentVersion(file)) {
                ExportLog(S("Страница нового оформления \"%1\" (код: %2).").arg(name).arg(id));
                MarkPublication(k, id, true);
            }
        }
    } else if (kind == u'S' || kind == u'G') {
        const bool firm = kind == u'S';
        const QString file = firm ? FirmFile(id) : GenreFile(id);
        IdSet& seen = firm ? m_firmPages : m_genrePages;
        if (m_inRun && seen.contains(id))
            return;
        if (m_inRun)
            seen.insert(id);
        if (!pageExists(file)) {
            WriteRegion(file, marker::EAB(), marker::EAE(), true, firm ? m_params.firm : m_params.genre, content());
            MarkPublication(k, id, false);
            ExportLog((firm ? S("Временная страница для студии \"%1\" (код: %2).")
                            : S("Временная страница для стиля \"%1\" (код: %2)."))
                          .arg(name)
                          .arg(id));
        }
    }
}

bool TExportEncyclopaediaDM::deferPlaceholder(QChar kind, int id)
{
    if (!m_deferring)
        return false;
    const bool performer = kind == u'P';
    if (!(performer ? m_duePerformers : m_dueAlbums).contains(id))
        return false;
    (performer ? m_deferredPerformers : m_deferredAlbums).insert(id);
    return true;
}

void TExportEncyclopaediaDM::writeDeferredPlaceholders()
{
    m_deferring = false;
    m_duePerformers.clear();
    m_dueAlbums.clear();
    const IdSet albums = std::exchange(m_deferredAlbums, {});
    const IdSet performers = std::exchange(m_deferredPerformers, {});
    const auto write = [&](QChar kind, int id, const QString& file, const QString& nameSql) {
        if ((kind == u'P' ? m_performerPages : m_albumPages).contains(id) || pageExists(file))
            return;
        const QString name = m_c.scalar(nameSql, {{QStringLiteral("ID"), id}}).toString();
        EnsurePage(kind, id, false, name);
    };
    albums.forEach([&](int id) {
        write(u'A', id, AlbumFile(id), QStringLiteral("SELECT TitleFull FROM Album WHERE ID = :ID"));
    });
    performers.forEach([&](int id) {
        write(u'P', id, PerformerFile(id), QStringLiteral("SELECT NameFull FROM Performer WHERE ID = :ID"));
    });
}

bool TExportEncyclopaediaDM::performerWritten(int id) const
{
    return m_performerWritten.contains(id);
}

void TExportEncyclopaediaDM::setPerformerWritten(int id)
{
    m_performerWritten.insert(id);
}

// ---- page writers ------------------------------------------------------------------------------

void TExportEncyclopaediaDM::WritePerformerPage(int id, bool main, bool reset)
{
    batch([&] { PerformerPageWriter(*this).write(id, main, reset); });
}

void TExportEncyclopaediaDM::WriteAliasPage(int aliasId, int mainId)
{
    batch([&] { PerformerPageWriter(*this).writeAlias(aliasId, mainId); });
}

void TExportEncyclopaediaDM::WriteAlbumPage(int id, bool reset)
{
    batch([&] { AlbumPageWriter(*this).write(id, reset); });
}

void TExportEncyclopaediaDM::WriteFirmPage(int id)
{
    batch([&] { FirmGenrePageWriter(*this).writeFirm(id); });
}

void TExportEncyclopaediaDM::WriteGenrePage(int id)
{
    batch([&] { FirmGenrePageWriter(*this).writeGenre(id); });
}

void TExportEncyclopaediaDM::WriteFirmIndex()
{
    batch([&] { FirmGenrePageWriter(*this).writeFirmIndex(); });
}

void TExportEncyclopaediaDM::WriteGenreIndex()
{
    batch([&] { FirmGenrePageWriter(*this).writeGenreIndex(); });
}

void TExportEncyclopaediaDM::WriteAlphaPage(const QString& letter)
{
    const LetterListScope letters;
    batch([&] { IndexPageWriter(*this).writeAlpha(letter); });
}

void TExportEncyclopaediaDM::WriteAlphaTabPage(const QString& letter)
{
    const LetterListScope letters;
    batch([&] { IndexPageWriter(*this).writeAlphaTab(letter); });
}

void TExportEncyclopaediaDM::WriteIndexPage()
{
    batch([&] { IndexPageWriter(*this).writeIndex(); });
}

void TExportEncyclopaediaDM::WritePopularPage()
{
    batch([&] { IndexPageWriter(*this).writePopular(); });
}

void TExportEncyclopaediaDM::WriteCasualPage()
{
    batch([&] { IndexPageWriter(*this).writeCasual(); });
}

// ---- runs -------------------------------------------------------------------------------------

db::RowSet TExportEncyclopaediaDM::open(const QString& routine, const db::Params& params)
{
    return db::callRoutine(m_c, routine + QStringLiteral(";1"), params);
}

QString TExportEncyclopaediaDM::kindName(int part) const
{
    return m_kinds.value(part);
}

void TExportEncyclopaediaDM::countPage(const QString& page)
{
    ++m_pageCount;
    m_lastPage = page;
}

void TExportEncyclopaediaDM::BeginExport()
{
    m_rootFile = m_params.root;
    m_rootPath = m_rootFile.isEmpty() ? QString() : QFileInfo(m_rootFile).absolutePath() + slash();
    m_pageCount = 0;
    m_pendingAlpha.clear();
    m_pendingFirms.clear();
    m_pendingGenres.clear();
    m_templates.clear();
    m_markedFolders.clear();
    m_folders.clear();
    m_pending.clear();
    m_pendingOrder.clear();
    m_writerDepth = 0;
    m_written.clear();
    m_performerWritten.clear();
    m_performerPages.clear();
    m_albumPages.clear();
    m_firmPages.clear();
    m_genrePages.clear();
    m_duePerformers.clear();
    m_dueAlbums.clear();
    m_deferring = false;
    m_deferredPerformers.clear();
    m_deferredAlbums.clear();
    m_filesWritten = 0;
    m_filesUnchanged = 0;
    m_kinds.clear();
    const db::RowSet kinds = open(QStringLiteral("EncyclPerformerAlbumKind"));
    for (qsizetype i = 0; i < kinds.size(); ++i)
        m_kinds.insert(kinds.value(i, QStringLiteral("Part")).toInt(), kinds.value(i, QStringLiteral("Name")).toString());
    m_inRun = true;
}

void TExportEncyclopaediaDM::EndExport()
{
    m_kinds.clear();
    m_pendingAlpha.clear();
    m_pendingFirms.clear();
    m_pendingGenres.clear();
    m_templates.clear();
    flushPending();
    m_writerDepth = 0;
    m_performerWritten.clear();
    m_performerPages.clear();
    m_albumPages.clear();
    m_firmPages.clear();
    m_genrePages.clear();
    m_deferring = false;
    m_duePerformers.clear();
    m_dueAlbums.clear();
    commitWrites();
    m_inRun = false;
}

bool TExportEncyclopaediaDM::runGuarded(const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (const ExportAbort& abort) {
        // What the writers finished before the failure stays, as if written at once.
        try {
            flushPending();
            writeDeferredPlaceholders();
        } catch (const ExportAbort& second) {
            ExportLog(second.message());
        }
        ExportLog(abort.message());
        m_deferredPerformers.clear();
        m_deferredAlbums.clear();
        EndExport();
        return false;
    } catch (...) {
        m_pending.clear();
        m_pendingOrder.clear();
        // The pages already on disk may link to held-back placeholders; their objects stay
        // marked, so the next run writes them in any case.
        rollbackWrites();
        try {
            writeDeferredPlaceholders();
            commitWrites();
        } catch (...) {
            rollbackWrites();
        }
        m_deferredPerformers.clear();
        m_deferredAlbums.clear();
        EndExport();
        throw;
    }
}

bool TExportEncyclopaediaDM::ExportEncyclopaedia(bool withLists)
{
    ExportLog(QStringLiteral("--- ") + now());
    return runGuarded([&] {
        BeginExport();
        const std::vector<WorkItem> work = dueWork(m_c);
        growMaximum(int(work.size()));
        for (const WorkItem& item : work) {
            if (item.kind == u'A')
                m_dueAlbums.insert(item.id);
            else if (item.kind == u'P')
                m_duePerformers.insert(item.id);
        }
        m_deferring = true;
        for (size_t i = 0; i < work.size() && m_pageCount <= m_params.objCount; ++i) {
            const auto [kind, id] = work[i];
            if (kind == u'A') {
                m_dueAlbums.remove(id);
                WriteAlbumPage(id, true);
            } else if (kind == u'G') {
                AddGenre(QString::number(id));
            } else if (kind == u'L') {
                ResetPublication(QStringLiteral("P"), id);
            } else if (kind == u'P') {
                m_duePerformers.remove(id);
                WritePerformerPage(id, true, true);
            } else if (kind == u'S') {
                m_pendingFirms.insert(QString::number(id));
            }
            step();
        }
        writeDeferredPlaceholders();
        // Copies: the writers below may add to the sets while they are walked.
        const PendingSet alpha = m_pendingAlpha;
        for (const QString& letter : alpha)
            WriteAlphaPage(letter);
        const PendingSet firms = m_pendingFirms;
        for (const QString& id : firms)
            WriteFirmPage(id.toInt());
        const PendingSet genres = m_pendingGenres;
        for (const QString& id : genres)
            WriteGenrePage(id.toInt());
        if (!firms.empty())
            WriteFirmIndex();
        if (!genres.empty())
            WriteGenreIndex();
        WriteIndexPage();
        if (withLists) {
            WritePopularPage();
            WriteCasualPage();
        }
        EndExport();
        ShowRemainingWork();
        ExportLog(QStringLiteral("--- ") + now());
    });
}

void TExportEncyclopaediaDM::ShowRemainingWork()
{
    ExportLog(S("Осталось:"));
    const db::RowSet info = m_c.select(QStringLiteral("SELECT * FROM EncyclInfo ORDER BY Line"));
    for (const QVariantList& row : info.rows) {
        QString line;
        for (qsizetype i = 1; i < row.size(); ++i)
            line += u' ' + row.at(i).toString();
        ExportLog(line);
    }
}

bool TExportEncyclopaediaDM::ExportObject(const QString& key)
{
    QString kind;
    int id = 0;
    const bool done = runGuarded([&] {
        BeginExport();
        kind = text::upperCase(text::FirstChar(key));
        try {
            id = text::NumberAfterFirstChar(key);
        } catch (const text::ConversionError&) {
            kind.clear();
            ExportLog(S("Неверный ключ объекта \"%1\".").arg(key));
        }
        if (kind == QLatin1String("P"))
            WritePerformerPage(id, true, true);
        else if (kind == QLatin1String("A"))
            WriteAlbumPage(id, false);
        else if (kind == QLatin1String("S"))
            WriteFirmPage(id);
        EndExport();
    });
    if (!done)
        return false;
    MarkPublication(kind, id, false);
    if (m_openPage && !m_lastPage.isEmpty() && (kind == QLatin1String("P") || kind == QLatin1String("A")
                                                || kind == QLatin1String("S")))
        m_openPage(m_lastPage);
    return true;
}

bool TExportEncyclopaediaDM::CheckPageVersion()
{
    ExportLog(QStringLiteral("--- ") + now());
    const bool done = runGuarded([&] {
        BeginExport();
        ExportLog(QString(40, u'-'));
        versionCheck();
        EndExport();
    });
    ExportLog(QStringLiteral("--- ") + now());
    return done;
}

void TExportEncyclopaediaDM::versionCheck()
{
    const db::RowSet rows = open(QStringLiteral("EncyclNewVersion"));
    const int count = int(rows.size());
    ExportLog(S("Просмотр страниц старого оформления (испонителей: %1).").arg(count));
    growMaximum(count, S("Проверка"));
    int found = 0;
    int visited = 0;
    while (visited < count && found < 50) {
        const int id = rows.value(visited, QStringLiteral("ID")).toInt();
        const QString name = rows.value(visited, QStringLiteral("Name")).toString();
        const QString file = PerformerFile(id);
        if (!pageExists(file)) {
            EnsurePage(u'P', id, true, name);
        } else if (!HasCurrentVersion(file)) {
            MarkPublication(QStringLiteral("P"), id, true);
            ExportLog(S("Страница нового оформления \"%1\" (код: %2).").arg(name).arg(id));
            ++found;
        }
        ++visited;
        step();
    }
    // The row the walk stands on: the next one, or the last when it ran through.
    const int rowNumber = count == 0 ? 0 : std::min(visited + 1, count);
    const int percent = count == 0 ? 100 : int(std::lround(rowNumber * 100.0 / count));
    ExportLog(S("Просмотрено %1% страниц.").arg(percent));
}

void TExportEncyclopaediaDM::ExportDevelopment()
{
    ExportLog(QStringLiteral("--- ") + now());
    ExportLog(QString(40, u'-'));
    ExportLog(S("Разработка (%1)").arg(now()));
    ExportLog(QStringLiteral("--- ") + now());
}

} // namespace vintora::export_
