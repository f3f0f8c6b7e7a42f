#include "shell/tbasedbmemosf.h"

#include "shell/tcodbmemo.h"
#include "shell/tcolabel.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEDBMemoSF::TBASEDBMemoSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    laField = new TcoLabel(QStringLiteral("Метка поля"), this);
    laField->setObjectName(QStringLiteral("laField"));
    row->addWidget(laField);
    meFieldText = new TcoDBMemo(this);
    meFieldText->setObjectName(QStringLiteral("meFieldText"));
    meFieldText->setReadOnly(true);
    meFieldText->setFocusPolicy(Qt::NoFocus);
    meFieldText->setToolTip(QStringLiteral("Наименование"));
    {
        QPalette p = meFieldText->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        meFieldText->setPalette(p);
    }
    row->addWidget(meFieldText, 1);
}

} // namespace vintora::shell
