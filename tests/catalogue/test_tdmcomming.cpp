// The central data module: colours of play dates, the version hint, kept-open rule tables.
#include "catalogue/tdmcomming.h"
#include "support/testcatalogue.h"

#include <QtTest>

using namespace vintora;
using catalogue::TdmComming;

class TestTdmComming : public QObject {
    Q_OBJECT
private slots:
    void lastPlayColor_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QColor>("expected");
        const QColor grid(Qt::white), green(192, 220, 192), yellow(255, 255, 221), red(255, 221, 221);
        QTest::newRow("fresh") << 10.0 << grid;
        QTest::newRow("just under seven months") << 213.0624 << grid;
        QTest::newRow("seven months") << 213.0625 << green;
        QTest::newRow("just under a year") << 365.2499 << green;
        QTest::newRow("a year") << 365.25 << yellow;
        QTest::newRow("just under three years") << 1095.7499 << yellow;
        QTest::newRow("three years") << 1095.75 << red;
        QTest::newRow("future counts by distance") << -400.0 << yellow;
    }
    void lastPlayColor()
    {
        QFETCH(double, days);
        QFETCH(QColor, expected);
        const QDateTime now(QDate(2026, 12, 11), QTime(12, 0));
        const QDateTime date = now.addMSecs(-qint64(days * 86400000.0));
        QCOMPARE(TdmComming::LastPlayColor(QColor(Qt::white), date, now), expected);
        QCOMPARE(TdmComming::LastPlayColor(QColor(Qt::white), QDateTime(), now), QColor(255, 221, 221));
    }

    void versionHint_data() { test::addBackendColumn(); test::addBackendRows(); }
    void versionHint()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        TdmComming dm(db::Connection::open(cat.url()));
        dm.cnVintora().execute(QStringLiteral("INSERT INTO DataBaseInstant (Instant, Text) VALUES (:A, 'Перенос 2')"),
                               {{QStringLiteral("A"), QDateTime::currentDateTime().addDays(1)}});
        const QString hint = dm.BuildVersionHint();
        QVERIFY(!hint.contains(QLatin1Char('\n')));
        const QStringList lines = hint.split(QLatin1Char('\r'));
        QCOMPARE(lines.first(), QStringLiteral("Версия программы."));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[3], QStringLiteral("Перенос данных:"));
        QCOMPARE(lines[4], QStringLiteral("Перенос 2")); // newest first
        QCOMPARE(lines[5], QStringLiteral("Создание каталога."));
        QVERIFY(TdmComming::VersionCaption().startsWith(QStringLiteral("Версия 5.8.07901534 от ")));
    }

    void ruleTablesKeptUntilClosed_data() { test::addBackendColumn(); test::addBackendRows(); }
    void ruleTablesKeptUntilClosed()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        TdmComming dm(db::Connection::open(cat.url()));
        auto& c = dm.cnVintora();
        QCOMPARE(dm.taSubstitute().recordCount(), 0);
        QCOMPARE(dm.taDelimiter().recordCount(), 2);
        c.execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES ('Rolling Stones', 'The Rolling Stones')"));
        c.execute(QStringLiteral("UPDATE DelimiterRole SET Active = 0 WHERE Item = ':'"));
        c.execute(QStringLiteral("INSERT INTO DelimiterName (Delimiter) VALUES (' & ')"));
        QCOMPARE(dm.taSubstitute().recordCount(), 0); // the snapshot stands until its editor closes it
        QCOMPARE(dm.openDelimiterName()->recordCount(), 1); // read afresh at every use
        dm.closeRuleTables();
        QCOMPARE(dm.taSubstitute().recordCount(), 1);
        QCOMPARE(dm.taDelimiter().recordCount(), 1);
        QCOMPARE(dm.GetEmptyID(QStringLiteral("G")), 1);
        QCOMPARE(TdmComming::instance(), &dm);
    }
};

QTEST_GUILESS_MAIN(TestTdmComming)
#include "test_tdmcomming.moc"
