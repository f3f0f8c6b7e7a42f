#pragma once
#include <QString>
#include <QStringList>

namespace vintora::export_ {

// What the engine asks of the export window: a progress bar that grows and steps (stepping
// is where the window lets pending events through) and a log. The engine never touches widgets.
class IExportProgress {
public:
    virtual ~IExportProgress() = default;
    // Grows the maximum by n; a non-empty caption is shown beside the percentage.
    virtual void growMaximum(int n, const QString& caption = {}) = 0;
    virtual void step() = 0;
    virtual void exportLog(const QString& line) = 0;
};

// Progress that only keeps the log (batch runs and tests).
class LogOnlyProgress : public IExportProgress {
public:
    void growMaximum(int n, const QString&) override { maximum += n; }
    void step() override { ++position; }
    void exportLog(const QString& line) override { lines << line; }

    QStringList lines;
    qint64 maximum = 0;
    qint64 position = 0;
};

} // namespace vintora::export_
