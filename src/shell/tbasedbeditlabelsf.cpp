#include "shell/tbasedbeditlabelsf.h"

#include "shell/tcodbedit.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

#include <QLabel>

namespace vintora::shell {

TBASEDBEditLabelSF::TBASEDBEditLabelSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    edField = sfAdd<TcoDBEdit>(row, "edField", 1);
    laUnit = sfAdd<QLabel>(row, "laUnit", 0, QStringLiteral("пр."));
}

} // namespace vintora::shell
