#include "shell/tcolistbox.h"

#include "shell/tcocolors.h"

#include <QEvent>

#include <QFontMetrics>

namespace vintora::shell {

TcoListBox::TcoListBox(QWidget* parent)
    : QListWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    TcoColors::applyInput(this, false);
}

void TcoListBox::addLastLine(const QString& text)
{
    addItem(text);
    setCurrentRow(count() - 1);
}

void TcoListBox::updateLastLine(const QString& text)
{
    if (count() == 0) {
        addLastLine(text);
        return;
    }
    item(count() - 1)->setText(text);
    setCurrentRow(count() - 1);
}

void TcoListBox::horizontalLine()
{
    const int dash = std::max(1, QFontMetrics(font()).horizontalAdvance(QChar(0x2014)));
    const int n = std::max(0, viewport()->width() / dash - 1);
    addLastLine(QString(n, QChar(0x2014)));
}

void TcoListBox::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        TcoColors::applyInput(this, !isEnabled());
}

} // namespace vintora::shell
