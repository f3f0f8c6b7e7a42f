#include "shell/tbasedatadm.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace vintora::shell {

namespace {

// The tool-bar images come from the style Qt ships; the picture lists are drawn here so that
// every list shares one look: a coloured disc or badge with a short mark.
QIcon badge(const QColor& colour, const QString& mark, bool disc)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    if (disc)
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    else
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    QFont f = p.font();
    f.setPixelSize(mark.size() > 1 ? 7 : 10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour.lightness() > 150 ? Qt::black : Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, mark);
    return QIcon(pm);
}

struct Pic {
    const char* colour;
    const char* mark;
    bool disc;
};

const Pic albumPics[] = {
    {"#c0c0c8", "CD", true}, {"#4a7ebb", "A", false}, {"#6aa84f", "S", false}, {"#e69138", "L", false},
    {"#8e7cc3", "P", false}, {"#cc4125", "C", false}, {"#45818e", "R", false}, {"#202020", "LP", true},
    {"#3d85c6", "♪", true}, {"#b45f06", "B", false}, {"#a64d79", "V", false}, {"#674ea7", "D", false},
    {"#93c47d", "G", false}, {"#76a5af", "M", false}, {"#f1c232", "E", false}, {"#999999", "?", false},
    {"#e06666", "Z", false}};
const Pic publPics[] = {{"#6aa84f", "T", false}, {"#f1c232", "!", false}, {"#cc4125", "×", false}, {"#3d85c6", "▶", false}};
const Pic diskPics[] = {{"#999999", "?", false}, {"#999999", "-", false}, {"#e69138", "R", false}, {"#4a7ebb", "H", false},
                        {"#45818e", "N", false}, {"#c0c0c8", "CD", true}, {"#8e7cc3", "M", false}, {"#666666", "X", false}};
const Pic objectPics[] = {{"#999999", "C", false}, {"#4a7ebb", "P", false}, {"#e69138", "A", false}, {"#6aa84f", "T", false}};

template <size_t N>
QIcon pick(const Pic (&pics)[N], int index)
{
    if (index < 0 || index >= int(N))
        return {};
    return badge(QColor(QString::fromUtf8(pics[index].colour)), QString::fromUtf8(pics[index].mark), pics[index].disc);
}

} // namespace

QIcon TBASEDataDM::toolIcon(int index)
{
    static const QHash<int, QStyle::StandardPixmap> map = {
        {ToolRoot, QStyle::SP_FileDialogListView}, {ToolSave, QStyle::SP_DialogSaveButton},
        {ToolCancel, QStyle::SP_DialogCloseButton}, {ToolFirst, QStyle::SP_MediaSkipBackward},
        {ToolPrior, QStyle::SP_MediaSeekBackward}, {ToolNext, QStyle::SP_MediaSeekForward},
        {ToolLast, QStyle::SP_MediaSkipForward}, {ToolInsert, QStyle::SP_FileDialogNewFolder},
        {ToolEdit, QStyle::SP_FileDialogContentsView}, {ToolDelete, QStyle::SP_TrashIcon},
        {ToolRefresh, QStyle::SP_BrowserReload}, {ToolPost, QStyle::SP_DialogApplyButton},
        {ToolPrint, QStyle::SP_DriveFDIcon}, {ToolBack, QStyle::SP_ArrowBack},
        {ToolHelp, QStyle::SP_DialogHelpButton}, {ToolFind, QStyle::SP_FileDialogDetailedView},
        {ToolFolder, QStyle::SP_DirOpenIcon}, {ToolExit, QStyle::SP_DialogCancelButton},
        {ToolPageUp, QStyle::SP_ArrowUp}, {ToolPageDown, QStyle::SP_ArrowDown},
        {ToolCaption, QStyle::SP_FileDialogInfoView}, {ToolNotPlay, QStyle::SP_MediaStop}};
    const auto it = map.find(index);
    if (it == map.end() || !qApp)
        return {};
    return QApplication::style()->standardIcon(it.value());
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
