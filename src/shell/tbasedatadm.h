#pragma once
#include <QIcon>
#include <QString>

namespace vintora::shell {

// The shared pictures (the Tango icons compiled in from data/icons): the tool-bar images every
// action and menu uses (by index) and the small picture lists grids bind to their icon columns.
class TBASEDataDM {
public:
    enum ToolIndex {
        ToolRoot = 0, ToolSave = 1, ToolCancel = 2, ToolFirst = 3, ToolPrior = 4, ToolNext = 5,
        ToolLast = 6, ToolInsert = 7, ToolEdit = 8, ToolDelete = 9, ToolRefresh = 10, ToolPost = 11,
        ToolPrint = 12, ToolBack = 13, ToolHelp = 14, ToolFind = 15, ToolFolder = 16, ToolExit = 17,
        ToolPageUp = 18, ToolPageDown = 19,
        // The top-level commands.
        ToolPerformer = 20, ToolPlayList = 21, ToolDetail = 22, ToolImportTag = 23, ToolImportConvert = 24,
        ToolExport = 25, ToolMp3Place = 26, ToolCheckData = 27, ToolGenre = 28, ToolVersion = 29,
        ToolFirm = 30, ToolTask = 31,
        // A long run's start and stop button.
        ToolStart = 32, ToolStop = 33,
        // The caption button of a field that opens its dictionary.
        ToolCaption = 34,
        ToolAlbumNeed = 35, ToolSubstitute = 36, ToolIssueKind = 37, ToolDelimiter = 38,
        ToolReportPublic = 39, ToolReportError = 40, ToolZipScan = 41, ToolImportSingly = 42,
        // The sub-menus of the command menu.
        ToolReports = 43, ToolDictionaries = 44, ToolUtilities = 45,
        ToolNotPlay = 66
    };
    enum class List { Album, Publ, Disk, Object };

    static QIcon toolIcon(int index);
    // A picture of one of the lists (imAlbum 0..17, imPubl 0..3, imDisk 0..7, imObject 0..3);
    // an empty icon outside them.
    static QIcon picture(List list, int index);
    static int pictureCount(List list);
};

} // namespace vintora::shell
