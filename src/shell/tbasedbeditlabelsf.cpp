#include "shell/tbasedbeditlabelsf.h"

#include "shell/tcodbedit.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace vintora::shell {

TBASEDBEditLabelSF::TBASEDBEditLabelSF(QWidget* parent) : QFrame(parent)
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
    laUnit = new QLabel(QStringLiteral("пр."), this);
    laUnit->setObjectName(QStringLiteral("laUnit"));
    row->addWidget(laUnit);
}

} // namespace vintora::shell
