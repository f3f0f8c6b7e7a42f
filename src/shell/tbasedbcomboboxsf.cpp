#include "shell/tbasedbcomboboxsf.h"

#include "platform/db/dataset.h"
#include "shell/tcodbcombobox.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBComboBoxSF::TBASEDBComboBoxSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laDisplayLable = sfAdd<TcoLabel>(row, "laDisplayLable", 0, QStringLiteral("Метка поля"));
    cbField = sfAdd<TcoDBComboBox>(row, "cbField", 1);
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
