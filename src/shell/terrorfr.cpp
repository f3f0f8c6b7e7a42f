#include "shell/terrorfr.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vintora::shell {

TErrorFR::TErrorFR(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("ErrorFR"));
    setWindowTitle(QApplication::applicationName() + QStringLiteral(" [ошибка]"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    laMessage = new QLabel(this);
    laMessage->setObjectName(QStringLiteral("laMessage"));
    laMessage->setWordWrap(true);
    laFull = new QLabel(this);
    laFull->setObjectName(QStringLiteral("laFull"));
    laFull->setWordWrap(true);
    laFull->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btContinue = new QPushButton(QStringLiteral("Продолжить"), this);
    btContinue->setToolTip(QStringLiteral("Продолжить выполнение программы."));
    btExit = new QPushButton(QStringLiteral("Выход"), this);
    btExit->setToolTip(QStringLiteral("Прекратить выполнение программы."));
    btMail = new QPushButton(QStringLiteral("Отправить"), this);
    btMail->setToolTip(QStringLiteral("Отправить сообщение\r\nв службу поддержки."));
    btSwitch = new QPushButton(this);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(laMessage);
    text->addWidget(laFull);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btSwitch);
    buttons->addWidget(btMail);
    buttons->addStretch();
    buttons->addWidget(btContinue);
    buttons->addWidget(btExit);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(buttons);
    resize(456, 94);

    connect(btContinue, &QPushButton::clicked, this, &QDialog::accept);
    connect(btExit, &QPushButton::clicked, this, &TErrorFR::exitRequested);
    connect(btMail, &QPushButton::clicked, this, &TErrorFR::sendRequested);
    connect(btSwitch, &QPushButton::clicked, this, [this] { setFullShown(!m_full); });
}

void TErrorFR::applyOptions(bool sendMail, bool showFull, bool terminate)
{
    btMail->setEnabled(sendMail && !address.isEmpty());
    btSwitch->setVisible(showFull);
    setFullShown(showFull);
    btContinue->setVisible(!terminate);
}

void TErrorFR::setFullShown(bool shown)
{
    m_full = shown;
    laFull->setVisible(shown);
    if (shown) {
        btSwitch->setText(QStringLiteral("Кратко"));
        btSwitch->setToolTip(QStringLiteral("Только сообщение об ошибке."));
    } else {
        btSwitch->setText(QStringLiteral("Подробно"));
        btSwitch->setToolTip(QStringLiteral("Дополнительная информация\r\n(иерархия объектов и сообщение)."));
    }
    layOut();
}

void TErrorFR::layOut()
{
    laMessage->setMinimumWidth(456 - laMessage->x() - 16);
    adjustSize();
}

QString TErrorFR::mailBody() const
{
    return laMessage->text() + QStringLiteral("\r\n\r\n") + laFull->text() + QStringLiteral("\r\n\r\n") + owner;
}

} // namespace vintora::shell
