#include "shell/tbasetableeditfr.h"

#include "catalogue/tdmcomming.h"
#include "platform/ui/datasource.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodbgrideh.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

namespace vintora::shell {

TBASETableEditFR::TBASETableEditFR(QWidget* owner) : TBASERootFR(owner)
{
    resize(630, 345);
    setAnchors(Qt::BottomEdge | Qt::LeftEdge);
    auto* cat = catalogue::TdmComming::instance();
    taData = new db::DataSet(cat ? &cat->cnVintora() : nullptr, this);
    taData->setObjectName(QStringLiteral("taData"));
    dsData = new ui::DataSource(taData, this);

    laTitle = makeTitle(QStringLiteral("Заголовок"));
    content->addWidget(laTitle);
    grData = new TcoDBGridEh(this);
    grData->setObjectName(QStringLiteral("grData"));
    grData->setDataSource(dsData);
    content->addWidget(grData, 1);

    alData = new ui::ActionList(this);
    acInsert = alData->add(QStringLiteral("acInsert"), QStringLiteral("Добавить"));
    acEdit = alData->add(QStringLiteral("acEdit"), QStringLiteral("Изменить"));
    acDelete = alData->add(QStringLiteral("acDelete"), QStringLiteral("Удалить"));
    alData->setEnabledRule(acInsert, [this] { return taData->isActive(); });
    alData->setEnabledRule(acEdit, [this] { return taData->isActive() && taData->recNo() > 0; });
    alData->setEnabledRule(acDelete, [this] { return taData->isActive() && taData->recNo() > 0; });
    connect(dsData, &ui::DataSource::dataChanged, alData, &ui::ActionList::update);
    connect(dsData, &ui::DataSource::stateChanged, alData, &ui::ActionList::update);

    auto bound = [this](QAction* a, int icon, const char* name) {
        // The icon lives on the action: a bound button takes the action's look on every change.
        a->setIcon(TBASEDataDM::toolIcon(icon));
        auto* b = new TcoButton(this);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        connect(a, &QAction::changed, b, [a, b] { b->setVisible(a->isVisible()); });
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    btInsert = bound(acInsert, TBASEDataDM::ToolInsert, "btInsert");
    btEdit = bound(acEdit, TBASEDataDM::ToolEdit, "btEdit");
    btDelete = bound(acDelete, TBASEDataDM::ToolDelete, "btDelete");
    blButton->insertWidget(0, btInsert);
    blButton->insertWidget(1, btEdit);
    blButton->insertWidget(2, btDelete);
}

void TBASETableEditFR::cancelClicked()
{
    if (taData->isEditing())
        taData->cancel();
    taData->close();
    if (onCancel)
        onCancel();
    CloseFrame();
}

void TBASETableEditFR::resizeEvent(QResizeEvent* event)
{
    TBASERootFR::resizeEvent(event);
    fitWholeRows();
}

void TBASETableEditFR::showEvent(QShowEvent* event)
{
    TBASERootFR::showEvent(event);
    fitWholeRows();
}

void TBASETableEditFR::fitWholeRows()
{
    if (m_fitting || !isVisible())
        return;
    // Whole rows only: the pixels below the last whole row are given up at the top, so a
    // frame anchored at the bottom keeps its bottom edge.
    layout()->activate();
    const int extra = grData->emptyRow();
    if (extra <= 0)
        return;
    m_fitting = true;
    setGeometry(x(), y() + extra, width(), height() - extra);
    m_fitting = false;
}

} // namespace vintora::shell
