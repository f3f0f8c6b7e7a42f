// The daily log: header on the first entry, appended entries, Windows-1251 bytes.
#include "platform/os/applog.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace vintora::os;

class TestAppLog : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        QTemporaryDir dir;
        AppLog::setFolder(dir.path());
        const QString name = AppLog::fileName();
        QVERIFY(QFileInfo(name).fileName().endsWith(QDate::currentDate().toString(QStringLiteral("yyMMdd")) +
                                                    QStringLiteral(".log")));
        QVERIFY(!QFile::exists(name));
        WriteLog(QStringLiteral("Первая запись"));
        WriteLogFmt(QStringLiteral("Файл \"%1\" (код: %2)."), QStringLiteral("100%2.mp3"), 7);
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.contains("\xc6\xf3\xf0\xed\xe0\xeb")); // "Журнал" in Windows-1251
        const QString text = QStringDecoder("windows-1251").decode(bytes);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QVERIFY(lines[0].startsWith(QStringLiteral("Журнал приложения ")));
        QCOMPARE(text.count(QStringLiteral("Журнал приложения")), 1);
        QCOMPARE(lines[1], QString());
        const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d \\]-{70}$"));
        QVERIFY(stamp.match(lines[2]).hasMatch());
        QCOMPARE(lines[3], QStringLiteral("Первая запись"));
        QCOMPARE(lines[4], QString());
        QVERIFY(stamp.match(lines[5]).hasMatch());
        QCOMPARE(lines[6], QStringLiteral("Файл \"100%2.mp3\" (код: 7)."));
    }

    void unwritableFolderRaises()
    {
        AppLog::setFolder(QStringLiteral("/proc/no-such-folder"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, WriteLog(QStringLiteral("x")));
        AppLog::setFolder(QString());
    }
};

QTEST_GUILESS_MAIN(TestAppLog)
#include "test_applog.moc"
