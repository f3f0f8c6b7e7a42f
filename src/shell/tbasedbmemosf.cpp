#include "shell/tbasedbmemosf.h"

#include "shell/tcodbmemo.h"
#include "shell/tcolabel.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEDBMemoSF::TBASEDBMemoSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    laField = sfAdd<TcoLabel>(row, "laField", 0, QStringLiteral("Метка поля"));
    meFieldText = sfAdd<TcoDBMemo>(row, "meFieldText", 1);
    meFieldText->setReadOnly(true);
    meFieldText->setFocusPolicy(Qt::NoFocus);
    meFieldText->setToolTip(QStringLiteral("Наименование"));
    {
        QPalette p = meFieldText->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        meFieldText->setPalette(p);
    }
}

} // namespace vintora::shell
