#include "shell/tbasedatadm.h"

#include <QFile>
#include <QHash>

// The icon files are compiled into the library (data/icons/icons.qrc); a static library needs
// its resources registered by name, outside any namespace.
static void initIconResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(done);
}

namespace vintora::shell {

namespace {

// One icon of the Tango set in both sizes the tool bars and lists use.
QIcon themeIcon(const char* name)
{
    initIconResources();
    static QHash<QString, QIcon> cache;
    const QString key = QString::fromLatin1(name);
    auto it = cache.find(key);
    if (it == cache.end()) {
        QIcon icon;
        for (const char* size : {"16", "24"}) {
            const QString file = QStringLiteral(":/icons/%1/%2.png").arg(QLatin1String(size), key);
            if (QFile::exists(file))
                icon.addFile(file);
        }
        it = cache.insert(key, icon);
    }
    return it.value();
}

struct Entry {
    int index;
    const char* name;
};

// imToolBar: the fixed indexes of the windows and frames, then one per top-level command.
const Entry toolBar[] = {
    {TBASEDataDM::ToolRoot, "start-here"},        {TBASEDataDM::ToolSave, "document-save"},
    {TBASEDataDM::ToolCancel, "process-stop"},    {TBASEDataDM::ToolFirst, "go-first"},
    {TBASEDataDM::ToolPrior, "go-previous"},      {TBASEDataDM::ToolNext, "go-next"},
    {TBASEDataDM::ToolLast, "go-last"},           {TBASEDataDM::ToolInsert, "list-add"},
    {TBASEDataDM::ToolEdit, "accessories-text-editor"}, {TBASEDataDM::ToolDelete, "list-remove"},
    {TBASEDataDM::ToolRefresh, "view-refresh"},   {TBASEDataDM::ToolPost, "document-save"},
    {TBASEDataDM::ToolPrint, "document-print"},   {TBASEDataDM::ToolBack, "go-jump"},
    {TBASEDataDM::ToolHelp, "help-browser"},      {TBASEDataDM::ToolFind, "edit-find"},
    {TBASEDataDM::ToolFolder, "folder-open"},     {TBASEDataDM::ToolExit, "system-log-out"},
    {TBASEDataDM::ToolPageUp, "go-up"},           {TBASEDataDM::ToolPageDown, "go-down"},
    {TBASEDataDM::ToolPerformer, "system-users"}, {TBASEDataDM::ToolPlayList, "audio-volume-high"},
    {TBASEDataDM::ToolDetail, "x-office-document"}, {TBASEDataDM::ToolImportTag, "document-open"},
    {TBASEDataDM::ToolImportConvert, "folder-saved-search"}, {TBASEDataDM::ToolExport, "internet-web-browser"},
    {TBASEDataDM::ToolMp3Place, "drive-harddisk"}, {TBASEDataDM::ToolCheckData, "utilities-system-monitor"},
    {TBASEDataDM::ToolGenre, "applications-multimedia"}, {TBASEDataDM::ToolVersion, "dialog-information"},
    {TBASEDataDM::ToolFirm, "x-office-address-book"}, {TBASEDataDM::ToolTask, "x-office-calendar"},
    {TBASEDataDM::ToolStart, "media-playback-start"}, {TBASEDataDM::ToolStop, "media-playback-stop"},
    {TBASEDataDM::ToolCaption, "format-justify-fill"}, {TBASEDataDM::ToolAlbumNeed, "bookmark-new"},
    {TBASEDataDM::ToolSubstitute, "edit-find-replace"}, {TBASEDataDM::ToolIssueKind, "media-optical"},
    {TBASEDataDM::ToolDelimiter, "edit-cut"},     {TBASEDataDM::ToolReportPublic, "document-print-preview"},
    {TBASEDataDM::ToolReportError, "dialog-warning"}, {TBASEDataDM::ToolZipScan, "package-x-generic"},
    {TBASEDataDM::ToolImportSingly, "window-new"}, {TBASEDataDM::ToolReports, "x-office-spreadsheet"},
    {TBASEDataDM::ToolDictionaries, "system-file-manager"}, {TBASEDataDM::ToolUtilities, "applications-system"},
    {TBASEDataDM::ToolNotPlay, "audio-volume-muted"}};

// imAlbum: album kinds by the key lists of the album grids (kind 1 -> 0, 2 -> 1, 6 -> 2, 4 -> 3,
// 5 -> 4, 3 -> 5, 7 -> 6, 9 -> 10, 8 -> 11, 10 -> 14, 11 -> 15, 12 -> 17), the media marks
// (0 CD, 7 record, 8 MP3), the link marks (4, 12, 13) and the internet link (16).
const char* const albumPics[] = {
    "media-optical",          // 0 studio album; on CD
    "audio-input-microphone", // 1 live
    "video-x-generic",        // 2 soundtrack
    "media-playback-start",   // 3 single
    "format-text-bold",       // 4 mini album; the title link; a bold credit
    "edit-copy",              // 5 compilation
    "emblem-important",       // 6 unofficial
    "media-record",           // 7 on record
    "audio-x-generic",        // 8 as MP3
    "image-missing",          // 9 (not used by a kind)
    "edit-redo",              // 10 remixes
    "media-floppy",           // 11 demo
    "emblem-symbolic-link",   // 12 link
    "go-jump",                // 13 link
    "emblem-favorite",        // 14 tribute
    "camera-video",           // 15 video
    "internet-web-browser",   // 16 internet address
    "package-x-generic",      // 17 box set
};
// imPubl: notes and publication marks 1, 2, 3 -> 0, 1, 2; 3 also marks lyrics' video and links.
const char* const publPics[] = {"text-x-generic", "document-properties", "emblem-important", "camera-video"};
// imDisk: the drive types of MP3 places.
const char* const diskPics[] = {"image-missing", "process-stop", "drive-removable-media", "drive-harddisk",
                                "network-server", "drive-optical", "media-flash", "computer"};
// imObject: performer, album, track, and a folder (tasks of the folder scans).
const char* const objectPics[] = {"system-users", "media-optical", "audio-x-generic", "folder"};

template <size_t N>
QIcon pick(const char* const (&names)[N], int index)
{
    if (index < 0 || index >= int(N))
        return {};
    return themeIcon(names[index]);
}

} // namespace

QIcon TBASEDataDM::toolIcon(int index)
{
    for (const Entry& e : toolBar) {
        if (e.index == index)
            return themeIcon(e.name);
    }
    return {};
}

QIcon TBASEDataDM::picture(List list, int index)
{
    switch (list) {
    case List::Album: return pick(albumPics, index);
    case List::Publ: return pick(publPics, index);
    case List::Disk: return pick(diskPics, index);
    case List::Object: return pick(objectPics, index);
    }
    return {};
}

int TBASEDataDM::pictureCount(List list)
{
    switch (list) {
    case List::Album: return int(std::size(albumPics));
    case List::Publ: return int(std::size(publPics));
    case List::Disk: return int(std::size(diskPics));
    case List::Object: return int(std::size(objectPics));
    }
    return 0;
}

} // namespace vintora::shell
