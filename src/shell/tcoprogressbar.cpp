#include "shell/tcoprogressbar.h"

#include <QApplication>
#include <QLabel>

namespace vintora::shell {

TcoProgressBar::TcoProgressBar(QWidget* parent)
    : QProgressBar(parent)
    , m_label(new QLabel(this))
{
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setAutoFillBackground(false);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setLabelBlack(false);
    connect(this, &QProgressBar::valueChanged, this, &TcoProgressBar::refresh);
    refresh();
}

QString TcoProgressBar::labelText(const QString& caption, int position, int maximum)
{
    if (maximum == 0)
        return caption;
    const double done = (1.0 - double(maximum - position) / double(maximum)) * 100.0;
    return QStringLiteral("%1 (%2%)").arg(caption, QString::number(done, 'f', 0));
}

QString TcoProgressBar::labelText() const
{
    return labelText(m_caption, value(), maximum());
}

void TcoProgressBar::step()
{
    setValue(std::min(value() + 1, maximum()));
    refresh();
    QApplication::processEvents();
}

void TcoProgressBar::addMaximum(int n, const QString& caption)
{
    setMaximum(maximum() + n);
    if (!caption.isNull())
        m_caption = caption;
    refresh();
}

void TcoProgressBar::setCaption(const QString& caption)
{
    m_caption = caption;
    refresh();
}

void TcoProgressBar::setPosition(int position)
{
    setValue(position);
    refresh();
}

void TcoProgressBar::setLabelBlack(bool on)
{
    m_labelBlack = on;
    QPalette p = m_label->palette();
    p.setColor(QPalette::WindowText, on ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::WindowText));
    m_label->setPalette(p);
}

void TcoProgressBar::refresh()
{
    m_label->setText(labelText());
    m_label->adjustSize();
    m_label->move(4, (height() - m_label->height()) / 2);
}

void TcoProgressBar::resizeEvent(QResizeEvent* event)
{
    QProgressBar::resizeEvent(event);
    refresh();
}

} // namespace vintora::shell
