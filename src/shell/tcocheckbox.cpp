#include "shell/tcocheckbox.h"

namespace vintora::shell {

TcoCheckBox::TcoCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

void TcoCheckBox::setBoxLayout(Layout layout)
{
    m_layout = layout;
    setLayoutDirection(layout == Layout::BoxRight ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace vintora::shell
