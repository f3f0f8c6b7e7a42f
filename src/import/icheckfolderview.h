#pragma once
// Where the check of a folder's registered files reports: the window's list box and progress bar.
#include <QString>
#include <QStringList>

namespace vintora::import {

class ICheckFolderView {
public:
    virtual ~ICheckFolderView() = default;
    virtual void addLine(const QString& line) = 0;
    virtual void replaceLastLine(const QString& line) = 0;
    virtual void raiseProgressMaximum(int by) = 0;
};

// A view that only keeps the lines (batch runs, tests).
class CheckFolderLines : public ICheckFolderView {
public:
    QStringList lines;
    int maximum = 0;
    void addLine(const QString& line) override { lines << line; }
    void replaceLastLine(const QString& line) override
    {
        if (lines.isEmpty())
            lines << line;
        else
            lines.last() = line;
    }
    void raiseProgressMaximum(int by) override { maximum += by; }
};

} // namespace vintora::import
