#include "shell/tbasedbeditbuttonsf.h"

#include "shell/tbasedatadm.h"
#include "shell/tcobutton.h"
#include "shell/tcodbedit.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBEditButtonSF::TBASEDBEditButtonSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    btLabel = new TcoButton(QStringLiteral("Метка поля"), TBASEDataDM::ToolCaption, this);
    btLabel->setObjectName(QStringLiteral("btLabel"));
    row->addWidget(btLabel);
    edField = new TcoDBEdit(this);
    edField->setObjectName(QStringLiteral("edField"));
    row->addWidget(edField, 1);
}

} // namespace vintora::shell
