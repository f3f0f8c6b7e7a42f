// vintora-cli as a collector calls it: init, demo, and clear errors with non-zero exits.
#include "support/testcatalogue.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vintora;

namespace {
struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run cli(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VINTORA_CLI), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initThenDemo_data() { test::addBackendColumn(); test::addBackendRows(); }
    void initThenDemo()
    {
        QFETCH(QString, backend);
        if (backend == QLatin1String("postgresql") && test::postgresServer().isEmpty())
            QSKIP("PostgreSQL tests skipped: set VINTORA_TEST_PG");
        test::TestCatalogue cat(backend, false);
        const QString url = cat.url();
        cat.closeConnection();
        Run r = cli({QStringLiteral("init"), QStringLiteral("--db"), url});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains(QStringLiteral("schema 0 -> ")), qPrintable(r.out));
        r = cli({QStringLiteral("init"), QStringLiteral("--db"), url});
        QVERIFY(r.out.contains(QStringLiteral("up to date")));
        // The environment variable is the default catalogue.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VINTORA_DB"), url);
        r = cli({QStringLiteral("demo"), QStringLiteral("--performers"), QStringLiteral("50"), QStringLiteral("--seed"), QStringLiteral("3")}, env);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("50 performers")), qPrintable(r.out + r.err));
        auto c = db::Connection::open(url);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM Performer")).toInt(), 50);
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2 << QStringLiteral("unknown command");
        QTest::newRow("bad address") << QStringList{QStringLiteral("init"), QStringLiteral("--db"), QStringLiteral("ftp://x")} << 1
                                     << QStringLiteral("sqlite://");
        QTest::newRow("unreachable server")
            << QStringList{QStringLiteral("init"), QStringLiteral("--db"), QStringLiteral("postgresql://nobody@127.0.0.1:1/none")} << 1
            << QStringLiteral("Нельзя подключиться");
        QTest::newRow("folder not writable")
            << QStringList{QStringLiteral("init"), QStringLiteral("--db"), QStringLiteral("sqlite:///proc/none/x.db")} << 1
            << QStringLiteral("Нельзя");
        QTest::newRow("option without value") << QStringList{QStringLiteral("demo"), QStringLiteral("--performers")} << 2
                                              << QStringLiteral("needs a value");
        QTest::newRow("not a number") << QStringList{QStringLiteral("demo"), QStringLiteral("--performers"), QStringLiteral("many")} << 2
                                      << QStringLiteral("whole number");
    }
    void errors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run r = cli(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.err.startsWith(QStringLiteral("vintora-cli: ")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
