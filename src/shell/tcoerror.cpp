#include "shell/tcoerror.h"

#include "platform/os/applog.h"
#include "platform/os/system.h"
#include "shell/terrorfr.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QWidget>

namespace vintora::shell {

namespace {
QPointer<TcoError> g_installed;

// The unit of a class: our classes live in the file named after them in lower case; Qt's in
// the module that declares them.
QString unitOf(const QObject* object)
{
    const QString cls = QString::fromLatin1(object->metaObject()->className());
    if (cls.startsWith(QLatin1String("vintora::")))
        return cls.mid(cls.lastIndexOf(QLatin1Char(':')) + 1).toLower();
    if (cls.startsWith(QLatin1Char('Q')))
        return object->isWidgetType() ? QStringLiteral("QtWidgets") : QStringLiteral("QtCore");
    return QStringLiteral("Not defined");
}

QString bareClass(const QObject* object)
{
    const QString cls = QString::fromLatin1(object->metaObject()->className());
    return cls.mid(cls.lastIndexOf(QLatin1Char(':')) + 1);
}
} // namespace

TcoError::TcoError(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("erMain"));
    install();
}

TcoError::~TcoError()
{
    delete m_window;
}

TcoError* TcoError::installed()
{
    return g_installed.data();
}

void TcoError::install()
{
    g_installed = this;
}

QString TcoError::ComponentPath(const QObject* object)
{
    if (!object)
        return {};
    const QString name = object->objectName().isEmpty() ? QStringLiteral("Not name") : object->objectName();
    const QString line = QStringLiteral("%1: %2(%3)\r\n").arg(name, bareClass(object), unitOf(object));
    const QObject* up = nullptr;
    if (object->isWidgetType()) {
        const auto* w = static_cast<const QWidget*>(object);
        up = w->parentWidget() ? static_cast<const QObject*>(w->parentWidget()) : object->parent();
        if (!up && w->isWindow())
            up = QCoreApplication::instance(); // windows are owned by the application
    } else {
        up = object->parent();
    }
    return line + ComponentPath(up);
}

void TcoError::handle(QObject* sender, const QString& className, const QString& message)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (g_installed == this)
        g_installed = nullptr; // a failure inside the report must not come back here
    if (!m_window) {
        m_window = new TErrorFR;
        connect(m_window, &TErrorFR::exitRequested, this, [this] {
            if (m_exitHook)
                m_exitHook();
            else
                QCoreApplication::exit(0);
        });
        connect(m_window, &TErrorFR::sendRequested, this, [this] {
            SendMail(m_window->address, m_window->subject, m_window->mailBody(), false);
        });
        connect(m_window, &QDialog::finished, this, [this] { acContinue(); });
    }
    const QString title = QApplication::applicationName();
    m_window->setWindowTitle(title + QStringLiteral(" [ошибка]"));
    m_window->subject = QStringLiteral("%1 %2: Ошибка (%3) в программе!")
                            .arg(title, os::getVersionCaption(QString(), false), className);
    m_window->laMessage->setText(message + QLatin1Char('.'));
    const QString hint = QApplication::activeWindow() ? QApplication::activeWindow()->toolTip() : QString();
    m_window->laFull->setText(QStringLiteral("Объект:\r\n%1Сообщение: %2").arg(ComponentPath(sender), hint));
    m_window->owner = os::getRegisteredOwner() + QStringLiteral(", ") + os::getRegisteredOrganization() + QLatin1Char('.');
    m_window->address = EMail;
    m_window->applyOptions(Option & eoSendMail, Option & eoShowFull, Option & eoTerminate);
    if (Option & eoWriteLog) {
        os::WriteLog(m_window->subject + QStringLiteral("\r\n\r\n") + m_window->laMessage->text() + QStringLiteral("\r\n\r\n") +
                     m_window->laFull->text() + QStringLiteral("\r\n\r\n") + m_window->owner);
    }
    QApplication::beep();
    m_window->layOut();
    if (m_showHook) {
        m_showHook(*m_window);
        // A hook that closed the window has continued, as the modal run would have.
        if (!m_window->isVisible())
            acContinue();
        return;
    }
    m_window->exec();
}

void TcoError::acContinue()
{
    if (m_window)
        m_window->hide();
    install();
}

bool TcoError::SendMail(const QString& address, const QString& subject, const QString& body, bool showError)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    // Every reserved character of the texts is escaped, so "&" or "=" in a message stays text.
    url.setQuery(QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject)) +
                     QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(body)),
                 QUrl::StrictMode);
    const bool ok = QDesktopServices::openUrl(url);
    if (!ok && showError)
        QMessageBox::critical(nullptr, QStringLiteral("Ошибка"), QStringLiteral("Ошибка MAPI %1 при отправке сообщения!").arg(1));
    return ok;
}

} // namespace vintora::shell
