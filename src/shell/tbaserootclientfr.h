#pragma once
#include "platform/ui/actionlist.h"

#include <QFrame>
#include <QPointer>
#include <QVariantMap>
#include <functional>

class QToolBar;
class QToolButton;
class QMenu;

namespace vintora::shell {

class TBASERootFM;

// The base of frames that fill a window's client area (the detail frames): while shown, the
// window's own tool bar gives way to the frame's, and the caption names what the frame shows.
class TBASERootClientFR : public QFrame {
    Q_OBJECT
public:
    explicit TBASERootClientFR(TBASERootFM* owner, std::function<void()> onClose = {});
    ~TBASERootClientFR() override;

    QFrame* pnBase;   // descendants put their content here
    QToolBar* tbMain; // the frame's dock and tool bar
    QToolButton* imExecute;
    QMenu* executeMenu;
    QAction* spExit;
    QAction* imExit;
    ui::ActionList* alMain;

    TBASERootFM* owner() const { return m_owner; }
    // Shown after the window's caption while the frame is in front.
    void setHelpKeyword(const QString& keyword) { m_helpKeyword = keyword; }
    const QString& helpKeyword() const { return m_helpKeyword; }
    void setCloseNotify(std::function<void()> notify) { m_onClose = std::move(notify); }

    // The class name without "T" (AlbumDetailFR) and the layout section (AlbumDetail).
    QString designedName() const;
    QString layoutSection() const;

    virtual void ShowClient();
    virtual void CloseClient();

    // Layout under the section; descendants add their own properties.
    void storeLayout();
    void restoreLayout();

protected:
    virtual void saveLayout(QVariantMap& values) const;
    virtual void loadLayout(const QVariantMap& values);
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TBASERootFM> m_owner;
    std::function<void()> m_onClose;
    QString m_helpKeyword;
    QString m_savedCaption;
    bool m_showing = false;
    bool m_layoutLoaded = false;
};

} // namespace vintora::shell
