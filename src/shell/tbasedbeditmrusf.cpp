#include "shell/tbasedbeditmrusf.h"

#include "shell/tbasedatadm.h"
#include "shell/tbasemruchoicefr.h"
#include "shell/tcobutton.h"
#include "shell/tcodbedit.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBEditMRUSF::TBASEDBEditMRUSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    laField = new TcoLabel(QStringLiteral("Метка поля"), this);
    laField->setObjectName(QStringLiteral("laField"));
    row->addWidget(laField);
    edField = new TcoDBEdit(this);
    edField->setObjectName(QStringLiteral("edField"));
    row->addWidget(edField, 1);
    btMRU = new TcoButton(QString(), TBASEDataDM::ToolFind, this);
    btMRU->setObjectName(QStringLiteral("btMRU"));
    btMRU->setToolTip(QStringLiteral("Выбор ранее введённых значений."));
    btMRU->setFixedSize(22, 22);
    row->addWidget(btMRU);
    connect(btMRU, &QToolButton::clicked, this, [this] { OpenMRUChoice(m_unit, edField); });
}

} // namespace vintora::shell
