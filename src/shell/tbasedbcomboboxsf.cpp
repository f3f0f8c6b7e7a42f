#include "shell/tbasedbcomboboxsf.h"

#include "platform/db/dataset.h"
#include "shell/tcodbcombobox.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBComboBoxSF::TBASEDBComboBoxSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    laDisplayLable = new TcoLabel(QStringLiteral("Метка поля"), this);
    laDisplayLable->setObjectName(QStringLiteral("laDisplayLable"));
    row->addWidget(laDisplayLable);
    cbField = new TcoDBComboBox(this);
    cbField->setObjectName(QStringLiteral("cbField"));
    row->addWidget(cbField, 1);
}

void TBASEDBComboBoxSF::FillItems(db::DataSet& dataSet)
{
    dataSet.open();
    if (!dataSet.isEmpty() && dataSet.fieldCount() > 0) {
        QStringList items, values;
        const int stored = dataSet.fieldCount() > 1 ? 1 : 0;
        for (int r = 0; r < dataSet.recordCount(); ++r) {
            items << dataSet.rowValue(r, 0).toString();
            values << dataSet.rowValue(r, stored).toString();
        }
        cbField->setItemsAndValues(items, values);
    }
    dataSet.close();
}

} // namespace vintora::shell
