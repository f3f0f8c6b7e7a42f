#include "shell/tbasedblookupcombosf.h"

#include "platform/ui/datasource.h"
#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodblookupcombo.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBLookupComboSF::TBASEDBLookupComboSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    btLabel = sfAdd<TcoButton>(row, "btLabel", 0, QStringLiteral("Метка поля"), TBASEDataDM::ToolCaption);
    btLabel->setToolTip(QStringLiteral("Вызов справочника"));
    cbField = sfAdd<TcoDBLookupCombo>(row, "cbField", 1);
    cbField->setToolTip(QStringLiteral("Выбор значения из списка"));
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
