#pragma once
#include <QIcon>
#include <QString>

namespace vintora::shell {

// The shared pictures: the tool-bar images every action and menu uses (by index) and the small
// picture lists grids bind to their icon columns.
class TBASEDataDM {
public:
    enum ToolIndex {
        ToolRoot = 0, ToolSave = 1, ToolCancel = 2, ToolFirst = 3, ToolPrior = 4, ToolNext = 5,
        ToolLast = 6, ToolInsert = 7, ToolEdit = 8, ToolDelete = 9, ToolRefresh = 10, ToolPost = 11,
        ToolPrint = 12, ToolBack = 13, ToolHelp = 14, ToolFind = 15, ToolFolder = 16, ToolExit = 17,
        ToolPageUp = 18, ToolPageDown = 19, ToolCaption = 34, ToolNotPlay = 66
    };
    enum class List { Album, Publ, Disk, Object };

    static QIcon toolIcon(int index);
    // A picture of one of the lists (imAlbum 0..16, imPubl 0..3, imDisk 0..7, imObject 0..3);
    // an empty icon outside them.
    static QIcon picture(List list, int index);
    static int pictureCount(List list);
};

} // namespace vintora::shell
