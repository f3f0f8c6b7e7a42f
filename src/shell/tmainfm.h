#pragma once
#include <QPointer>
#include <QWidget>

#include <QMenu>

namespace vintora::shell {

class TcoError;
class TcoHint;

// The hidden main form: never shown; owns the error reporter and the hint window and carries the command menu
// that every window copies into its tool bar.
class TMainFM : public QWidget {
    Q_OBJECT
public:
    explicit TMainFM(QWidget* parent = nullptr);
    ~TMainFM() override;
    static TMainFM* instance();

    TcoError* erMain;
    TcoHint* hiMain;
    void setPmExecute(QMenu* menu) { m_pmExecute = menu; }
    QMenu* pmExecute() const { return m_pmExecute; }

private:
    QPointer<QMenu> m_pmExecute;
};

} // namespace vintora::shell
