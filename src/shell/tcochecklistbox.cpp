#include "shell/tcochecklistbox.h"

#include "shell/tcocolors.h"

#include <QEvent>

namespace vintora::shell {

TcoCheckListBox::TcoCheckListBox(QWidget* parent)
    : QListWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    TcoColors::applyInput(this, false);
}

QListWidgetItem* TcoCheckListBox::addCheckItem(const QString& text, bool checked)
{
    auto* item = new QListWidgetItem(text, this);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

bool TcoCheckListBox::isChecked(int row) const
{
    const QListWidgetItem* i = item(row);
    return i && i->checkState() == Qt::Checked;
}

void TcoCheckListBox::setChecked(int row, bool checked)
{
    if (QListWidgetItem* i = item(row))
        i->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TcoCheckListBox::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        TcoColors::applyInput(this, !isEnabled());
}

} // namespace vintora::shell
