#include "shell/tcoedit.h"

#include "shell/tcocolors.h"

#include <QEvent>

namespace vintora::shell {

TcoEdit::TcoEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(2, 0, 2, 0);
    setFixedHeight(20);
    recolour();
}

void TcoEdit::setReadOnly(bool readOnly)
{
    QLineEdit::setReadOnly(readOnly);
    recolour();
}

void TcoEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    // Also when read-only is set through the QLineEdit interface.
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ReadOnlyChange)
        recolour();
}

void TcoEdit::recolour()
{
    TcoColors::applyInput(this, isReadOnly() || !isEnabled());
}

} // namespace vintora::shell
