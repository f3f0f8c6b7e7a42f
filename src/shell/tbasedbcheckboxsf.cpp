#include "shell/tbasedbcheckboxsf.h"

#include "shell/tcodbcheckbox.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBCheckBoxSF::TBASEDBCheckBoxSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    laDisplayLable = new TcoLabel(QStringLiteral("Метка поля"), this);
    laDisplayLable->setObjectName(QStringLiteral("laDisplayLable"));
    row->addWidget(laDisplayLable);
    cbField = new TcoDBCheckBox(QString(), this);
    cbField->setObjectName(QStringLiteral("cbField"));
    row->addWidget(cbField, 1);
}

} // namespace vintora::shell
