#include "shell/tvintoraapplication.h"

#include "platform/db/dberror.h"
#include "shell/tcoerror.h"

#include <typeinfo>

namespace vintora::shell {

namespace {
int g_terminateRequests = 0;

QString className(const std::exception& e)
{
    if (dynamic_cast<const db::DbError*>(&e))
        return QStringLiteral("EDatabaseError");
    return QString::fromLatin1(typeid(e).name());
}

void report(QObject* receiver, const QString& cls, const QString& message)
{
    if (TcoError* reporter = TcoError::installed())
        reporter->handle(receiver, cls, message);
    else
        qWarning("%s: %s", qPrintable(cls), qPrintable(message));
}
} // namespace

TVintoraApplication::TVintoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vintora"));
    setOrganizationName(QStringLiteral("Korvalen"));
    // The program ends by its own rule: when the last of its windows closes.
    setQuitOnLastWindowClosed(false);
}

bool TVintoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const db::DbError& e) {
        report(receiver, QStringLiteral("EDatabaseError"), e.message());
    } catch (const std::exception& e) {
        report(receiver, className(e), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(receiver, QStringLiteral("Exception"), QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}

void TVintoraApplication::terminate()
{
    ++g_terminateRequests;
    QCoreApplication::exit(0);
}

int TVintoraApplication::terminateRequests()
{
    return g_terminateRequests;
}

} // namespace vintora::shell
