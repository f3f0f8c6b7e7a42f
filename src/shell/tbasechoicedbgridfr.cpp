#include "shell/tbasechoicedbgridfr.h"

#include "catalogue/tdmcomming.h"
#include "platform/ui/datasource.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodbgrideh.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vintora::shell {

TBASEChoiceDBGridFR::TBASEChoiceDBGridFR(QWidget* owner) : TBASERootFR(owner)
{
    resize(445, 261);
    setAnchors(Qt::TopEdge | Qt::RightEdge);
    auto* cat = catalogue::TdmComming::instance();
    taChoice = new db::DataSet(cat ? &cat->cnVintora() : nullptr, this);
    taChoice->setObjectName(QStringLiteral("taChoice"));
    taChoice->setReadOnly(true);
    dsChoice = new ui::DataSource(taChoice, this);

    laTitle = makeTitle(QStringLiteral("Заголовок"));
    content->addWidget(laTitle);
    grChoice = new TcoDBGridEh(this);
    grChoice->setObjectName(QStringLiteral("grChoice"));
    grChoice->setDataSource(dsChoice);
    grChoice->setSelectionBehavior(QAbstractItemView::SelectRows);
    content->addWidget(grChoice, 1);

    alChoice = new ui::ActionList(this);
    acInsert = alChoice->add(QStringLiteral("acInsert"), QStringLiteral("Добавить"));
    acInsert->setToolTip(QStringLiteral("Добавить строку в список."));
    acEdit = alChoice->add(QStringLiteral("acEdit"), QStringLiteral("Изменить"));
    acEdit->setToolTip(QStringLiteral("Изменить строку списка."));
    acDelete = alChoice->add(QStringLiteral("acDelete"), QStringLiteral("Удалить"));
    acDelete->setToolTip(QStringLiteral("Удалить строку из списка."));
    acDelete->setEnabled(false);
    alChoice->setEnabledRule(acInsert, [this] { return taChoice->isActive(); });
    alChoice->setEnabledRule(acEdit, [this] { return taChoice->isActive() && taChoice->recordCount() > 0; });
    alChoice->setEnabledRule(acDelete,
                             [this] { return taChoice->isActive() && taChoice->recordCount() > 0; });
    // The buttons follow the list at once (a search re-runs it on every keystroke).
    connect(dsChoice, &ui::DataSource::dataChanged, alChoice, &ui::ActionList::update);

    auto bound = [this](QAction* a, int icon) {
        // The icon lives on the action: a bound button takes the action's look on every change.
        a->setIcon(TBASEDataDM::toolIcon(icon));
        auto* b = new TcoButton(this);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        connect(a, &QAction::changed, b, [a, b] { b->setVisible(a->isVisible()); });
        return b;
    };
    btAppend = bound(acInsert, TBASEDataDM::ToolInsert);
    btAppend->setObjectName(QStringLiteral("btAppend"));
    btEdit = bound(acEdit, TBASEDataDM::ToolEdit);
    btEdit->setObjectName(QStringLiteral("btEdit"));
    btDelete = bound(acDelete, TBASEDataDM::ToolDelete);
    btDelete->setObjectName(QStringLiteral("btDelete"));
    // Insert, edit and delete at the bottom left; choose and cancel at the right.
    blButton->insertWidget(0, btAppend);
    blButton->insertWidget(1, btEdit);
    blButton->insertWidget(2, btDelete);
    btChoice = new TcoButton(QStringLiteral("Выбрать"), TBASEDataDM::ToolPost, this);
    btChoice->setObjectName(QStringLiteral("btChoice"));
    blButton->insertWidget(blButton->count() - 1, btChoice);
    connect(btChoice, &QToolButton::clicked, this, &TBASEChoiceDBGridFR::choose);
}

QVariant TBASEChoiceDBGridFR::chosenKey() const
{
    if (!taChoice->isActive() || taChoice->isEmpty() || !taChoice->hasField(keyField))
        return {};
    return taChoice->value(keyField);
}

void TBASEChoiceDBGridFR::choose()
{
    const QVariant key = chosenKey();
    if (onChoice)
        onChoice(this);
    else if (onChosenKey)
        onChosenKey(key);
    CloseFrame();
    if (onAfterClose)
        onAfterClose(key);
}

void TBASEChoiceDBGridFR::cancelClicked()
{
    if (onCancel)
        onCancel();
    CloseFrame();
}

} // namespace vintora::shell
