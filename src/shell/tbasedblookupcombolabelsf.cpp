#include "shell/tbasedblookupcombolabelsf.h"

#include "shell/tcodblookupcombo.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBLookupComboLabelSF::TBASEDBLookupComboLabelSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    laField = new TcoLabel(QStringLiteral("Метка поля"), this);
    laField->setObjectName(QStringLiteral("laField"));
    row->addWidget(laField);
    cbField = new TcoDBLookupCombo(this);
    cbField->setObjectName(QStringLiteral("cbField"));
    row->addWidget(cbField, 1);
}

} // namespace vintora::shell
