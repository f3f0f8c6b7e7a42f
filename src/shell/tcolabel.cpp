#include "shell/tcolabel.h"

#include <QFontMetrics>

namespace vintora::shell {

TcoLabel::TcoLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFixedHeight(20);
}

void TcoLabel::setText(const QString& text)
{
    QLabel::setText(text);
    emit textChanged(text);
}

int TcoLabel::widthText() const
{
    return QFontMetrics(font()).horizontalAdvance(text());
}

} // namespace vintora::shell
