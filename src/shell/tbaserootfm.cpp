#include "shell/tbaserootfm.h"

#include "platform/db/dataset.h"
#include "platform/db/dbhelpers.h"
#include "platform/ui/layoutstore.h"
#include "shell/tbasedatadm.h"
#include "shell/tmainfm.h"
#include "shell/tvintoraapplication.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vintora::shell {

namespace {
QList<TBASERootFM*>& registry()
{
    static QList<TBASERootFM*> list;
    return list;
}

// A menu entry of a window's copy: follows its central action, except that a window may
// disable its own entry.
void follow(QAction* copy, QAction* source)
{
    auto sync = [copy, source] {
        copy->setText(source->text());
        copy->setToolTip(source->toolTip());
        copy->setIcon(source->icon());
        copy->setVisible(source->isVisible());
        copy->setCheckable(source->isCheckable());
        copy->setChecked(source->isChecked());
        copy->setShortcut(source->shortcut());
        copy->setEnabled(source->isEnabled() && !copy->property("ownCommand").toBool());
    };
    sync();
    QObject::connect(source, &QAction::changed, copy, sync);
    QObject::connect(copy, &QAction::triggered, source, [source] { source->trigger(); });
    copy->setProperty("sourceAction", QVariant::fromValue(static_cast<QObject*>(source)));
}
} // namespace

TBASERootFM::TBASERootFM(QWidget* parent)
    : QMainWindow(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    setFont(f);

    pnBase = new QFrame(this);
    pnBase->setObjectName(QStringLiteral("pnBase"));
    auto* baseLayout = new QVBoxLayout(pnBase);
    baseLayout->setContentsMargins(4, 4, 4, 4);
    setCentralWidget(pnBase);

    tbMain = new QToolBar(this);
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    tbMain->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, tbMain);

    alMain = new ui::ActionList(this);
    acBack = alMain->add(QStringLiteral("acBack"), QStringLiteral("Вернуть"), QStringLiteral("Root"));
    acBack->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolBack));
    acBack->setEnabled(false);
    acHelp = alMain->add(QStringLiteral("acHelp"), QStringLiteral("Помощь"), QStringLiteral("Root"));
    acHelp->setShortcut(QKeySequence(Qt::Key_F1));
    acHelp->setVisible(false);
    acBackForm = alMain->add(QStringLiteral("acBackForm"), QStringLiteral("Вернуться"), QStringLiteral("Root"));
    alMain->setEnabledRule(acBack, [this] { return m_callingField.isSet(); });
    alMain->setEnabledRule(acBackForm, [this] { return !m_callingWindow.isNull(); });
    connect(acBack, &QAction::triggered, this, [this] {
        if (m_callingWindow) {
            m_callingWindow->show();
            m_callingWindow->raise();
        }
        m_callingWindow = nullptr;
        m_callingField = {};
    });
    connect(acBackForm, &QAction::triggered, this, [this] {
        if (m_beforeBack)
            m_beforeBack();
        if (m_callingWindow) {
            m_callingWindow->show();
            m_callingWindow->raise();
        }
        m_callingWindow = nullptr;
        m_beforeBack = nullptr;
    });

    rootMenu = new QMenu(this);
    imRootEx = new QToolButton(this);
    imRootEx->setObjectName(QStringLiteral("imRootEx"));
    imRootEx->setToolTip(QStringLiteral("Выполнение модулей программы."));
    imRootEx->setIcon(TBASEDataDM::toolIcon(TBASEDataDM::ToolRoot));
    imRootEx->setMenu(rootMenu);
    imRootEx->setPopupMode(QToolButton::InstantPopup);
    tbMain->addWidget(imRootEx);
    tbMain->addSeparator();
    tbMain->addAction(acBack);
    if (auto* b = qobject_cast<QToolButton*>(tbMain->widgetForAction(acBack)))
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbMain->addSeparator();
    tbMain->addAction(acHelp);
    addAction(acHelp);
    if (TMainFM* main = TMainFM::instance(); main && main->pmExecute())
        CopyMenuToToolbar(rootMenu, main->pmExecute());
    setWindowIcon(QApplication::windowIcon());
    registry() << this;
}

TBASERootFM::~TBASERootFM()
{
    registry().removeAll(this);
    if (m_layoutLoaded)
        storeLayout();
}

QList<TBASERootFM*> TBASERootFM::windows()
{
    return registry();
}

QString TBASERootFM::componentName() const
{
    // The class is only known once the descendant is constructed, so the name is taken late.
    QString cls = QString::fromLatin1(metaObject()->className());
    return cls.mid(cls.lastIndexOf(QLatin1Char(':')) + 2);
}

QString TBASERootFM::layoutSection() const
{
    QString s = componentName();
    s.chop(2);
    return s;
}

void TBASERootFM::CopyMenuToToolbar(QMenu* target, const QMenu* source)
{
    target->clear();
    for (QAction* item : source->actions()) {
        if (item->isSeparator()) {
            target->addSeparator();
        } else if (item->menu()) {
            QMenu* sub = target->addMenu(item->icon(), item->text());
            sub->menuAction()->setObjectName(QStringLiteral("TB2Item_") + item->objectName());
            sub->setToolTipsVisible(true);
            CopyMenuToToolbar(sub, item->menu());
        } else {
            auto* copy = new QAction(target);
            copy->setObjectName(QStringLiteral("TB2Item_") + item->objectName());
            target->addAction(copy);
            follow(copy, item);
        }
    }
    target->setToolTipsVisible(true);
}

void TBASERootFM::DisableOwnCommand(QAction* action)
{
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->menu())
                walk(a->menu());
            else if (a->property("sourceAction").value<QObject*>() == action) {
                a->setProperty("ownCommand", true);
                a->setEnabled(false);
            }
        }
    };
    walk(rootMenu);
}

void TBASERootFM::SetReturnTarget(QWidget* callingWindow, const FieldRef& callingField)
{
    m_callingWindow = callingWindow;
    m_callingField = callingField;
    if (callingWindow && callingField.isSet()) {
        QString label = callingField.field;
        if (callingField.dataSet->hasField(callingField.field))
            label = callingField.dataSet->fieldDef(callingField.field).displayLabel;
        acBack->setToolTip(QStringLiteral("Вернуть в форму \"%1\"\r\nзначение для поля \"%2\"").arg(callingWindow->windowTitle(), label));
    }
    alMain->update();
}

void TBASERootFM::ReturnValue(const QVariant& value)
{
    if (!m_callingField.isSet())
        return;
    try {
        db::ensureEditing(*m_callingField.dataSet);
        m_callingField.dataSet->setValue(m_callingField.field, value);
    } catch (...) {
        m_callingWindow = nullptr;
        m_callingField = {};
    }
}

void TBASERootFM::ExecuteCheckedActions()
{
    for (QAction* a : findChildren<QAction*>()) {
        if (a->isCheckable() && a->isChecked())
            a->trigger();
    }
}

QRect TBASERootFM::keepOnScreen(const QRect& frame, const QSize& screen, bool normalState)
{
    QRect r = frame;
    if (r.left() < -10 || r.left() > screen.width())
        r.moveLeft(10);
    if (r.top() < -10 || r.top() > screen.height())
        r.moveTop(10);
    if (normalState) {
        if (r.right() + 1 > screen.width()) {
            r.moveLeft(10);
            if (r.right() + 1 > screen.width())
                r.setWidth(screen.width() - 20);
        }
        if (r.bottom() + 1 > screen.height()) {
            r.moveTop(10);
            if (r.bottom() + 1 > screen.height())
                r.setHeight(screen.height() - 20);
        }
    }
    return r;
}

void TBASERootFM::stayOnScreen()
{
    if (m_adjusting || !isVisible() || !screen())
        return;
    const QRect now = frameGeometry();
    const QRect want = keepOnScreen(now, screen()->geometry().size(), windowState() == Qt::WindowNoState);
    if (want == now)
        return;
    m_adjusting = true;
    move(want.topLeft());
    if (want.size() != now.size())
        resize(size() + (want.size() - now.size()));
    m_adjusting = false;
}

void TBASERootFM::saveLayout(QVariantMap&) const {}
void TBASERootFM::loadLayout(const QVariantMap&) {}

void TBASERootFM::storeLayout()
{
    QVariantMap v = ui::LayoutStore::windowProperties(this);
    saveLayout(v);
    ui::LayoutStore::write(layoutSection(), v);
}

void TBASERootFM::showEvent(QShowEvent* event)
{
    if (objectName().isEmpty())
        setObjectName(componentName());
    if (!m_layoutLoaded) {
        m_layoutLoaded = true;
        const QVariantMap v = ui::LayoutStore::read(layoutSection());
        ui::LayoutStore::applyWindowProperties(this, v);
        loadLayout(v);
    }
    QMainWindow::showEvent(event);
}

void TBASERootFM::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    storeLayout();
    bool others = false;
    for (TBASERootFM* w : registry())
        others = others || w != this;
    if (!others)
        TVintoraApplication::terminate();
}

void TBASERootFM::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    stayOnScreen();
}

void TBASERootFM::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    stayOnScreen();
}

} // namespace vintora::shell
