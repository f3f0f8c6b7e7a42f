#include "shell/tbaserootclientfr.h"

#include "platform/db/dataset.h"
#include "platform/ui/layoutstore.h"
#include "shell/tbasedatadm.h"
#include "shell/tbaserootfm.h"
#include "shell/tmainfm.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vintora::shell {

TBASERootClientFR::TBASERootClientFR(TBASERootFM* owner, std::function<void()> onClose)
    : QFrame(owner), m_owner(owner), m_onClose(std::move(onClose))
{
    setMinimumSize(600, 400);
    setAutoFillBackground(true); // it covers what the window shows beneath
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);

    tbMain = new QToolBar(this);
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setIconSize(QSize(16, 16));
    all->addWidget(tbMain);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    all->addWidget(line);

    pnBase = new QFrame(this);
    pnBase->setObjectName(QStringLiteral("pnBase"));
    auto* base = new QVBoxLayout(pnBase);
    base->setContentsMargins(4, 4, 4, 4);
    all->addWidget(pnBase, 1);

    alMain = new ui::ActionList(this);
    alMain->setObjectName(QStringLiteral("alMain"));
    executeMenu = new QMenu(this);
    imExecute = new QToolButton(this);
    imExecute->setObjectName(QStringLiteral("imExecute"));
    imExecute->setToolTip(QStringLiteral("Выполнение модулей программы."));
    imExecute->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolRoot));
    imExecute->setMenu(executeMenu);
    imExecute->setPopupMode(QToolButton::InstantPopup);
    tbMain->addWidget(imExecute);
    spExit = tbMain->addSeparator();
    imExit = alMain->add(QStringLiteral("imExit"), QStringLiteral("Закрыть"));
    imExit->setToolTip(QStringLiteral("Закрыть дополнительную панель."));
    imExit->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolCancel));
    tbMain->addAction(imExit);
    if (auto* b = qobject_cast<QToolButton*>(tbMain->widgetForAction(imExit)))
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(imExit, &QAction::triggered, this, &TBASERootClientFR::CloseClient);
    if (TMainFM* main = TMainFM::instance(); main && main->pmExecute())
        TBASERootFM::CopyMenuToToolbar(executeMenu, main->pmExecute());

    // Closing the window destroys its frames after the descendants' parts are gone, so the
    // layout is saved while the window is being closed, when every part still exists.
    owner->installEventFilter(this);
    hide();
}

TBASERootClientFR::~TBASERootClientFR()
{
    if (m_layoutLoaded)
        storeLayout();
}

QString TBASERootClientFR::designedName() const
{
    const QString cls = QString::fromLatin1(metaObject()->className());
    return cls.mid(cls.lastIndexOf(QLatin1Char(':')) + 2);
}

QString TBASERootClientFR::layoutSection() const
{
    QString s = designedName();
    s.chop(2);
    return s;
}

void TBASERootClientFR::saveLayout(QVariantMap&) const {}
void TBASERootClientFR::loadLayout(const QVariantMap&) {}

void TBASERootClientFR::storeLayout()
{
    QVariantMap v;
    saveLayout(v);
    // Frames that keep nothing leave no value behind.
    if (!v.isEmpty())
        ui::LayoutStore::write(layoutSection(), v);
}

void TBASERootClientFR::restoreLayout()
{
    if (m_layoutLoaded)
        return;
    m_layoutLoaded = true;
    loadLayout(ui::LayoutStore::read(layoutSection()));
    // The designed name served the layout; the run-time name tells instances apart.
    static int serial = 0;
    setObjectName(designedName() + QString::number(++serial));
}

void TBASERootClientFR::showEvent(QShowEvent* event)
{
    restoreLayout();
    QFrame::showEvent(event);
}

bool TBASERootClientFR::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_owner && event->type() == QEvent::Close && m_layoutLoaded)
        storeLayout();
    // Over the whole client area, whatever the window holds beneath.
    if (watched == m_owner && event->type() == QEvent::Resize && isVisibleTo(m_owner))
        setGeometry(m_owner->rect());
    return QFrame::eventFilter(watched, event);
}

void TBASERootClientFR::ShowClient()
{
    restoreLayout();
    if (m_owner) {
        m_owner->tbMain->hide();
        if (!m_showing)
            m_savedCaption = m_owner->windowTitle();
        if (!m_helpKeyword.isEmpty())
            m_owner->setWindowTitle(m_savedCaption + QStringLiteral(" • ") + m_helpKeyword);
    }
    m_showing = true;
    if (m_owner)
        setGeometry(m_owner->rect());
    show();
    raise();
    alMain->update();
}

void TBASERootClientFR::CloseClient()
{
    hide();
    if (m_owner) {
        bool another = false;
        for (auto* f : m_owner->findChildren<TBASERootClientFR*>())
            another = another || (f != this && f->isVisibleTo(m_owner));
        if (!another)
            m_owner->tbMain->show();
        if (m_showing)
            m_owner->setWindowTitle(m_savedCaption);
    }
    m_showing = false;
    QApplication::processEvents();
    if (m_onClose)
        m_onClose();
}

} // namespace vintora::shell
