#pragma once
#include "shell/terrorfr.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace vintora::shell {



// Where every failure a handler leaves ends: the error window (modal), the daily log and the
// mail to support. The application object hands it what escapes an event handler.
class TcoError : public QObject {
    Q_OBJECT
public:
    enum Option { eoSendMail = 1, eoWriteLog = 2, eoShowFull = 4, eoTerminate = 8 };

    explicit TcoError(QObject* parent = nullptr);
    ~TcoError() override;

    // The reporter the application hands failures to; null while its window is shown.
    static TcoError* installed();
    void install();

    QString EMail;
    int Option = eoSendMail | eoWriteLog | eoShowFull;

    // Reports one failure of sender: class name and message of the failure.
    void handle(QObject* sender, const QString& className, const QString& message);
    TErrorFR* window() const { return m_window; }

    // Instead of the modal run, calls this with the prepared window (tests, batch use); a hook
    // that leaves the window hidden has continued.
    void setShowHook(std::function<void(TErrorFR&)> hook) { m_showHook = std::move(hook); }
    // What "Выход" does (default: end the application).
    void setExitHook(std::function<void()> hook) { m_exitHook = std::move(hook); }

    // "name: Class(unit)\r\n" for the object, then its parent's or owner's chain up to the
    // application; empty for no object.
    static QString ComponentPath(const QObject* object);
    // Hands the mail to the desktop's mail program through a mailto: address.
    static bool SendMail(const QString& address, const QString& subject, const QString& body, bool showError);

private:
    void acContinue();

    QPointer<TErrorFR> m_window;
    std::function<void(TErrorFR&)> m_showHook;
    std::function<void()> m_exitHook;
};

} // namespace vintora::shell
