#include "shell/tbaseeditsf.h"

#include "shell/tcoedit.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEEditSF::TBASEEditSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    edField = sfAdd<TcoEdit>(row, "edField", 1);
}

} // namespace vintora::shell
