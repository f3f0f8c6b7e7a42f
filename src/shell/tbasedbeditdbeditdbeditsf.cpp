#include "shell/tbasedbeditdbeditdbeditsf.h"

#include "shell/tcodbedit.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBEditDBEditDBEditSF::TBASEDBEditDBEditDBEditSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    edField1 = sfAdd<TcoDBEdit>(row, "edField1", 1);
    edField2 = sfAdd<TcoDBEdit>(row, "edField2", 1);
    edField3 = sfAdd<TcoDBEdit>(row, "edField3", 1);
}

} // namespace vintora::shell
