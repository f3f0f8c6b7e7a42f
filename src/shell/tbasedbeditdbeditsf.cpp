#include "shell/tbasedbeditdbeditsf.h"

#include "shell/tcodbedit.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBEditDBEditSF::TBASEDBEditDBEditSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    laField = new TcoLabel(QStringLiteral("Метка поля"), this);
    laField->setObjectName(QStringLiteral("laField"));
    row->addWidget(laField);
    edField1 = new TcoDBEdit(this);
    edField1->setObjectName(QStringLiteral("edField1"));
    row->addWidget(edField1, 1);
    edField2 = new TcoDBEdit(this);
    edField2->setObjectName(QStringLiteral("edField2"));
    row->addWidget(edField2, 1);
}

} // namespace vintora::shell
