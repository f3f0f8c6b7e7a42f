#include "shell/tbasechoicecombofr.h"

#include "catalogue/tdmcomming.h"
#include "platform/ui/datasource.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodblookupcombo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vintora::shell {

TBASEChoiceComboFR::TBASEChoiceComboFR(QWidget* owner) : TBASERootFR(owner)
{
    resize(352, 137);
    setAnchors(Qt::TopEdge | Qt::RightEdge);
    auto* cat = catalogue::TdmComming::instance();
    taChoice = new db::DataSet(cat ? &cat->cnVintora() : nullptr, this);
    taChoice->setObjectName(QStringLiteral("taChoice"));
    taChoice->setReadOnly(true);
    dsChoice = new ui::DataSource(taChoice, this);

    laTitle = makeTitle(QStringLiteral("Заголовок"));
    content->addWidget(laTitle);
    cbChoice = new TcoDBLookupCombo(this);
    cbChoice->setObjectName(QStringLiteral("cbChoice"));
    cbChoice->setDropDownCount(16);
    cbChoice->setLookupSource(dsChoice);
    content->addWidget(cbChoice);
    content->addStretch();

    btChoice = new TcoButton(QStringLiteral("Выбрать"), TBASEDataDM::ToolPost, this);
    btChoice->setObjectName(QStringLiteral("btChoice"));
    btAppend = new TcoButton(QStringLiteral("Добавить"), TBASEDataDM::ToolInsert, this);
    btAppend->setObjectName(QStringLiteral("btAppend"));
    btEdit = new TcoButton(QStringLiteral("Изменить"), TBASEDataDM::ToolEdit, this);
    btEdit->setObjectName(QStringLiteral("btEdit"));
    blButton->insertWidget(1, btAppend);
    blButton->insertWidget(2, btEdit);
    blButton->insertWidget(3, btChoice);
    btChoice->setEnabled(false);
    btEdit->setEnabled(false);

    connect(cbChoice, &TcoDBLookupCombo::keyChanged, this, &TBASEChoiceComboFR::keyChanged);
    connect(cbChoice, &QComboBox::currentIndexChanged, this, &TBASEChoiceComboFR::keyChanged);
    connect(btChoice, &QToolButton::clicked, this, &TBASEChoiceComboFR::choose);
}

void TBASEChoiceComboFR::keyChanged()
{
    const QVariant key = cbChoice->keyValue();
    const bool chosen = !key.isNull() && key.toLongLong() > 0;
    btChoice->setEnabled(chosen);
    btEdit->setEnabled(chosen);
}

void TBASEChoiceComboFR::choose()
{
    if (onChosenKey)
        onChosenKey(cbChoice->keyValue());
    CloseFrame();
}

void TBASEChoiceComboFR::cancelClicked()
{
    if (onCancel)
        onCancel();
    CloseFrame();
}

} // namespace vintora::shell
