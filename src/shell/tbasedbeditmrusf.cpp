#include "shell/tbasedbeditmrusf.h"

#include "shell/tbasedatadm.h"
#include "shell/tbasemruchoicefr.h"
#include "shell/tcobutton.h"
#include "shell/tcodbedit.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBEditMRUSF::TBASEDBEditMRUSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    edField = sfAdd<TcoDBEdit>(row, "edField", 1);
    btMRU = sfAdd<TcoButton>(row, "btMRU", 0, QString(), TBASEDataDM::ToolFind);
    btMRU->setToolTip(QStringLiteral("Выбор ранее введённых значений."));
    btMRU->setFixedSize(22, 22);
    connect(btMRU, &QToolButton::clicked, this, [this] { OpenMRUChoice(m_unit, edField); });
}

} // namespace vintora::shell
