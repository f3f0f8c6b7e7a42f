#include "shell/tsplashfm.h"

#include "platform/os/system.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace vintora::shell {

TSplashFM::TSplashFM(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashFM"));
    setFixedSize(288, 192);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setCursor(Qt::WaitCursor);
    laTitle = new QLabel(QStringLiteral("Vintora"), this);
    QFont t = laTitle->font();
    t.setBold(true);
    t.setPixelSize(20);
    laTitle->setFont(t);
    laTitle->setAlignment(Qt::AlignCenter);
    laVersion = new QLabel(os::getVersionCaption(QStringLiteral("Версия "), true), this);
    QFont v(QStringLiteral("Monospace"));
    v.setStyleHint(QFont::TypeWriter);
    v.setPixelSize(13);
    laVersion->setFont(v);
    laVersion->setAlignment(Qt::AlignCenter);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TSplashFM::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    laTitle->setGeometry(0, 8, width(), 30);
    laVersion->setGeometry(0, height() - 24, width(), 20);
}

} // namespace vintora::shell
