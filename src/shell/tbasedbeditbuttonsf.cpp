#include "shell/tbasedbeditbuttonsf.h"

#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodbedit.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBEditButtonSF::TBASEDBEditButtonSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    btLabel = sfAdd<TcoButton>(row, "btLabel", 0, QStringLiteral("Метка поля"), TBASEDataDM::ToolCaption);
    edField = sfAdd<TcoDBEdit>(row, "edField", 1);
}

} // namespace vintora::shell
