#include "shell/tbaseeditsf.h"

#include "shell/tcoedit.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEEditSF::TBASEEditSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    laField = new TcoLabel(QStringLiteral("Метка поля"), this);
    laField->setObjectName(QStringLiteral("laField"));
    row->addWidget(laField);
    edField = new TcoEdit(this);
    edField->setObjectName(QStringLiteral("edField"));
    row->addWidget(edField, 1);
}

} // namespace vintora::shell
