#include "shell/tbasebevelsf.h"

#include <QHBoxLayout>

namespace vintora::shell {

TBASEBevelSF::TBASEBevelSF(QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    bvBevel = new QFrame(this);
    bvBevel->setObjectName(QStringLiteral("bvBevel"));
    bvBevel->setFrameShape(QFrame::HLine);
    bvBevel->setFrameShadow(QFrame::Sunken);
    row->addWidget(bvBevel, 1, Qt::AlignBottom);
}

} // namespace vintora::shell
