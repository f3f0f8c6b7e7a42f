#include "shell/tbasedblookupcombolabelsf.h"

#include "shell/tcodblookupcombo.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBLookupComboLabelSF::TBASEDBLookupComboLabelSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    cbField = sfAdd<TcoDBLookupCombo>(row, "cbField", 1);
}

} // namespace vintora::shell
