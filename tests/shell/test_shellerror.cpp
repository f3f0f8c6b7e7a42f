// The error reporter: failures of handlers reach it through the application object, with the
// chain of objects, the log and the options of the window.
#include "shellfixture.h"

#include "shell/tbaserootfm.h"
#include "shell/tbaserootfr.h"
#include "shell/tcoerror.h"
#include "shell/terrorfr.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStringDecoder>
#include <QUrlQuery>
#include <stdexcept>

using namespace vintora;
using namespace vintora::shell;

namespace {

QString readLog()
{
    QFile f(os::AppLog::fileName());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder dec("windows-1251");
    return dec.decode(f.readAll());
}
} // namespace

class TChainFM : public TBASERootFM {
    Q_OBJECT
public:
    using TBASERootFM::TBASERootFM;
};
class TChainFR : public TBASERootFR {
    Q_OBJECT
public:
    using TBASERootFR::TBASERootFR;
};

class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void handle(const QUrl& url) { urls << url; }
};

class TestShellError : public QObject {
    Q_OBJECT
private slots:
    void failureOfButtonReportsChainAndLog()
    {
        TMainFM main;
        QList<QString> shown;
        main.erMain->setShowHook([&shown](TErrorFR& w) {
            shown << w.laMessage->text() + QLatin1Char('|') + w.laFull->text();
            w.hide();
        });
        QFile::remove(os::AppLog::fileName());
        TChainFM window;
        window.resize(600, 400);
        TChainFR frame(&window);
        frame.setObjectName(QStringLiteral("frChain"));
        auto* button = new QPushButton(QStringLiteral("go"), &frame);
        button->setObjectName(QStringLiteral("btGo"));
        frame.content->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [] { throw std::runtime_error("Запись занята"); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        frame.OpenFrame();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(shown.size(), 1);
        const QStringList parts = shown[0].split(QLatin1Char('|'));
        QCOMPARE(parts[0], QStringLiteral("Запись занята."));
        // From the button up through its frame and window to the application.
        const QString chain = parts[1];
        QVERIFY2(chain.startsWith(QStringLiteral("Объект:\r\nbtGo: QPushButton(QtWidgets)\r\nfrChain: TChainFR(Not defined)\r\n")), qPrintable(chain));
        QVERIFY(chain.contains(QStringLiteral("\r\nChainFM: TChainFM(Not defined)\r\nNot name: TVintoraApplication(tvintoraapplication)\r\n")));
        // The first failure creates the log with its header, the second only appends.
        const QString first = readLog();
        QVERIFY2(first.startsWith(QStringLiteral("Журнал приложения Vintora ")), qPrintable(first.left(60)));
        QVERIFY(first.contains(QStringLiteral("Vintora ") ));
        QVERIFY(first.contains(QStringLiteral("Запись занята.")));
        // The reporter is installed again after continuing.
        QVERIFY(TcoError::installed() == main.erMain);
        QTest::mouseClick(button, Qt::LeftButton);
        const QString second = readLog();
        QCOMPARE(second.count(QStringLiteral("Журнал приложения")), 1);
        QCOMPARE(second.count(QStringLiteral("Запись занята.")), 2);
        QCOMPARE(shown.size(), 2);
    }

    void options_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("mail");
        QTest::addColumn<bool>("sendEnabled");
        QTest::addColumn<bool>("continueShown");
        QTest::addColumn<bool>("fullShown");
        const int def = TcoError::eoSendMail | TcoError::eoWriteLog | TcoError::eoShowFull;
        QTest::newRow("default") << def << "support@example.org" << true << true << true;
        QTest::newRow("empty address") << def << "" << false << true << true;
        QTest::newRow("terminate") << (def | TcoError::eoTerminate) << "support@example.org" << true << false << true;
        QTest::newRow("short") << int(TcoError::eoSendMail) << "support@example.org" << true << true << false;
    }
    void options()
    {
        QFETCH(int, option);
        QFETCH(QString, mail);
        QFETCH(bool, sendEnabled);
        QFETCH(bool, continueShown);
        QFETCH(bool, fullShown);
        TcoError reporter;
        reporter.Option = option;
        reporter.EMail = mail;
        reporter.setShowHook([](TErrorFR& w) { w.show(); });
        reporter.handle(nullptr, QStringLiteral("EDatabaseError"), QStringLiteral("Ошибка."));
        TErrorFR* w = reporter.window();
        QVERIFY(w);
        // A message that ends with a full stop gets a second one.
        QCOMPARE(w->laMessage->text(), QStringLiteral("Ошибка.."));
        QCOMPARE(w->btMail->isEnabled(), sendEnabled);
        QCOMPARE(w->btContinue->isVisible(), continueShown);
        QCOMPARE(w->laFull->isVisible(), fullShown);
        QCOMPARE(w->btSwitch->isVisible(), fullShown);
        QVERIFY(w->subject.startsWith(QStringLiteral("Vintora ")));
        QVERIFY(w->subject.endsWith(QStringLiteral(": Ошибка (EDatabaseError) в программе!")));
    }

    void sendMailOpensMailtoAddress()
    {
        MailCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "handle");
        QVERIFY(TcoError::SendMail(QStringLiteral("support@example.org"), QStringLiteral("Тема & 1"), QStringLiteral("Текст\r\nстрока"), false));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls.size(), 1);
        const QUrl u = catcher.urls[0];
        QCOMPARE(u.scheme(), QStringLiteral("mailto"));
        QCOMPARE(u.path(), QStringLiteral("support@example.org"));
        QCOMPARE(QUrlQuery(u).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("Тема & 1"));
        QCOMPARE(QUrlQuery(u).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), QStringLiteral("Текст\r\nстрока"));
    }
};

VINTORA_SHELL_TEST_MAIN(TestShellError)
#include "test_shellerror.moc"
