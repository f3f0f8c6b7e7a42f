#include "shell/tbasedbcheckboxsf.h"

#include "shell/tcodbcheckbox.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBCheckBoxSF::TBASEDBCheckBoxSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laDisplayLable = sfAdd<TcoLabel>(row, "laDisplayLable", 0, QStringLiteral("Метка поля"));
    cbField = sfAdd<TcoDBCheckBox>(row, "cbField", 1, QString());
}

} // namespace vintora::shell
