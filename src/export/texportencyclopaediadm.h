#pragma once
#include "export/exportparameters.h"
#include "export/idset.h"
#include "export/iexportprogress.h"
#include "platform/db/params.h"
#include "platform/db/rowset.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QElapsedTimer>
#include <functional>
#include <utility>
#include <set>

namespace vintora::db {
class Connection;
}

namespace vintora::export_ {

// Ascending case-insensitive text order; texts equal without case are one entry.
struct CaseLess {
    bool operator()(const QString& a, const QString& b) const { return a.compare(b, Qt::CaseInsensitive) < 0; }
};
using PendingSet = std::set<QString, CaseLess>;

// The web export engine: run state, site layout, the region writer, publication marks and
// the runs. Headless: progress and log go through IExportProgress; opening a page in the
// desktop goes through a callback the window sets.
class TExportEncyclopaediaDM {
public:
    explicit TExportEncyclopaediaDM(db::Connection& connection, IExportProgress* progress = nullptr);
    ~TExportEncyclopaediaDM();

    void setParameters(const ExportParameters& parameters) { m_params = parameters; }
    const ExportParameters& parameters() const { return m_params; }
    void setProgress(IExportProgress* progress) { m_progress = progress; }
    void setOpenPage(std::function<void(const QString&)> open) { m_openPage = std::move(open); }
    db::Connection& connection() { return m_c; }

    // The runs. Each returns false when a template or folder failure stopped it (the message
    // is in the export log); database errors are raised.
    bool ExportEncyclopaedia(bool withLists);
    bool ExportObject(const QString& key);
    bool CheckPageVersion();
    void ExportDevelopment();

    void BeginExport();
    void EndExport();
    bool inRun() const { return m_inRun; }

    // Replaces the region between the markers (Throws ExportAbort).
    void WriteRegion(const QString& target, const QString& beginMarker, const QString& endMarker, bool fromTemplate,
                     const QString& templateFile, const QStringList& lines);
    void EnsurePage(QChar kind, int id, bool checkVersion, const QString& name);
    void ResetPublication(const QString& kind, int id);
    void MarkPublication(const QString& kind, int id, bool spread);
    void AddLastLink(const QString& link, bool main);
    void MarkPublicFolder(const QString& page);
    bool HasCurrentVersion(const QString& file) const;
    void AddGenre(const QString& id);

    QString PerformerFile(int id) const;
    static QString PerformerURL(int id);
    QString AlbumFile(int id) const;
    static QString AlbumURL(int id);
    QString GenreFile(int id) const;
    QString FirmFile(int id) const;
    QString AlphaFile(const QString& letter) const;
    // LetterCode of a one-character text's Windows-1251 byte ("?" for one the code page lacks).
    static QString LetterOfChar(const QString& letter);

    // Writes a picture beside its page (through a temporary file, like pages).
    void saveFile(const QString& path, const QByteArray& bytes);

    void ExportLog(const QString& text);
    void ShowRemainingWork();
    void growMaximum(int n, const QString& caption = {});
    void step();

    // Page writers (inside a run).
    void WritePerformerPage(int id, bool main, bool reset);
    void WriteAliasPage(int aliasId, int mainId);
    void WriteAlbumPage(int id, bool reset);
    void WriteFirmPage(int id);
    void WriteGenrePage(int id);
    void WriteAlphaPage(const QString& letter);
    void WriteAlphaTabPage(const QString& letter);
    void WriteIndexPage();
    void WritePopularPage();
    void WriteCasualPage();
    void WriteFirmIndex();
    void WriteGenreIndex();

    // A routine of the export, called as "Name;1".
    db::RowSet open(const QString& routine, const db::Params& params = {});
    // Kind name of an album kind (EncyclPerformerAlbumKind, opened by BeginExport).
    QString kindName(int part) const;
    // Where an alias redirect points: absolute with a site host, else relative to the alias page.
    QString redirectURL(int mainId) const;

    // Run state.
    const QString& rootFile() const { return m_rootFile; }
    const QString& rootPath() const { return m_rootPath; }
    int pageCount() const { return m_pageCount; }
    void countPage(const QString& page);
    const QString& lastPage() const { return m_lastPage; }
    void setLastPage(const QString& page) { m_lastPage = page; }
    PendingSet& pendingAlpha() { return m_pendingAlpha; }
    PendingSet& pendingFirms() { return m_pendingFirms; }
    PendingSet& pendingGenres() { return m_pendingGenres; }
    // Pages written since BeginExport, placeholders and index pages included; kept only when
    // asked for, so a large run's memory does not grow with its pages.
    void setRecordWritten(bool on) { m_recordWritten = on; }
    const QStringList& writtenFiles() const { return m_written; }
    // Whether a page exists, on disk or among the pages of the writer still in memory.
    bool pageExists(const QString& path) const;
    // Whether the performer's page has been written in full since BeginExport. A page written
    // again in the same run (an album rewrites its performers' pages) would come out the
    // same, so only its bookkeeping is repeated.
    bool performerWritten(int id) const;
    void setPerformerWritten(int id);
    // Files of the run: put on disk, and left alone because they already held the same bytes.
    int filesWritten() const { return m_filesWritten; }
    int filesUnchanged() const { return m_filesUnchanged; }

private:
    static QString tableOf(const QString& kind);
    bool runGuarded(const std::function<void()>& body);
    const QStringList& templateLines(const QString& file);
    // Creates the file's folder with its parents; remembered for the run.
    void ensureFolder(const QString& file);
    void writeLinesAtomically(const QString& target, const QStringList& lines);
    void writeBytesAtomically(const QString& target, const QByteArray& bytes);
    void versionCheck();
    // The pages of one writer (a page and what it writes on the way: the pages of an album's
    // performers, aliases, placeholders) stay in memory until the outermost writer is done and
    // are then written once each, so a page is not first written with its title alone.
    template <typename F>
    void batch(F&& write);
    void flushPending();
    // The full run's work list names the performer and album pages it is going to write; a
    // placeholder for one of them is held back while the list is walked and written only if
    // the page is still missing when the walk ends (limit reached, failure). Only the key is
    // kept; the name is read again for the few placeholders that are still written.
    bool deferPlaceholder(QChar kind, int id);
    void writeDeferredPlaceholders();
    // The run's changes to the catalogue are grouped into short transactions.
    void beginWrite();
    void commitWrites();
    void rollbackWrites();
    QString now() const;

    db::Connection& m_c;
    IExportProgress* m_progress = nullptr;
    ExportParameters m_params;
    std::function<void(const QString&)> m_openPage;

    bool m_inRun = false;
    QString m_rootFile;
    QString m_rootPath;
    int m_pageCount = 0;
    PendingSet m_pendingAlpha;
    PendingSet m_pendingFirms;
    PendingSet m_pendingGenres;
    QString m_lastPage;
    QHash<int, QString> m_kinds;
    QHash<QString, QStringList> m_templates; // read once per run
    QHash<QString, QStringList> m_pending;   // pages of the running writer, not yet on disk
    QStringList m_pendingOrder;
    int m_writerDepth = 0;
    bool m_recordWritten = false;
    QSet<QString> m_markedFolders;
    QSet<QString> m_folders; // made or found in this run
    QStringList m_written;
    IdSet m_performerWritten;
    IdSet m_performerPages; // seen to exist by EnsurePage in this run
    IdSet m_albumPages;
    IdSet m_firmPages;
    IdSet m_genrePages;
    IdSet m_duePerformers; // rows of the work list not walked yet
    IdSet m_dueAlbums;
    bool m_deferring = false;
    IdSet m_deferredPerformers;
    IdSet m_deferredAlbums;
    bool m_writing = false;
    QElapsedTimer m_writeTimer;
    int m_filesWritten = 0;
    int m_filesUnchanged = 0;
};

} // namespace vintora::export_
