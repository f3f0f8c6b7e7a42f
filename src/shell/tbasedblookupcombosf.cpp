#include "shell/tbasedblookupcombosf.h"

#include "platform/ui/datasource.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodblookupcombo.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBLookupComboSF::TBASEDBLookupComboSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    btLabel = new TcoButton(QStringLiteral("Метка поля"), TBASEDataDM::ToolCaption, this);
    btLabel->setObjectName(QStringLiteral("btLabel"));
    btLabel->setToolTip(QStringLiteral("Вызов справочника"));
    row->addWidget(btLabel);
    cbField = new TcoDBLookupCombo(this);
    cbField->setObjectName(QStringLiteral("cbField"));
    cbField->setToolTip(QStringLiteral("Выбор значения из списка"));
    row->addWidget(cbField, 1);
    connect(btLabel, &QToolButton::clicked, this, [this] {
        if (onDictionary && !btLabel->noClick())
            onDictionary();
    });
}

void TBASEDBLookupComboSF::SetLookupSource(ui::DataSource* source)
{
    if (!cbField->lookupSource())
        cbField->setLookupSource(source);
    if (db::DataSet* d = cbField->lookupSource() ? cbField->lookupSource()->dataSet() : nullptr) {
        d->close();
        d->open();
    }
}

void TBASEDBLookupComboSF::SetReadOnly(bool readOnly)
{
    cbField->setReadOnly(readOnly);
    cbField->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    btLabel->setNoClick(m_designedNoClick || readOnly);
}

void TBASEDBLookupComboSF::setLabelNoClick(bool noClick)
{
    m_designedNoClick = noClick;
    btLabel->setNoClick(noClick);
}

} // namespace vintora::shell
