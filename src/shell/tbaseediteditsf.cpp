#include "shell/tbaseediteditsf.h"

#include "shell/tcoedit.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEEditEditSF::TBASEEditEditSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    edField1 = sfAdd<TcoEdit>(row, "edField1", 1);
    edField2 = sfAdd<TcoEdit>(row, "edField2", 1);
}

} // namespace vintora::shell
