#include "shell/tbasedbeditsf.h"

#include "shell/tcodbedit.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBEditSF::TBASEDBEditSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    edField = sfAdd<TcoDBEdit>(row, "edField", 1);
}

} // namespace vintora::shell
