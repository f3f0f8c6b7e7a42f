#include "shell/tbasebevelsf.h"
#include "shell/sfrow.h"

namespace vintora::shell {

TBASEBevelSF::TBASEBevelSF(QWidget* parent) : QFrame(parent)
{
    auto* row = sfRow(this);
    bvBevel = new QFrame(this);
    bvBevel->setObjectName(QStringLiteral("bvBevel"));
    bvBevel->setFrameShape(QFrame::HLine);
    bvBevel->setFrameShadow(QFrame::Sunken);
    row->addWidget(bvBevel, 1, Qt::AlignBottom);
}

} // namespace vintora::shell
