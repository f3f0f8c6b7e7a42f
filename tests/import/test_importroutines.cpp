// The marks of folders whose scan is not finished, on both servers: one mark per computer and
// folder, refreshed by a second mark, listed by folder, removed quietly, bad calls refused.
#include "import/importroutines.h"
#include "platform/db/routines.h"
#include "support/testcatalogue.h"

#include <QTest>

using namespace vintora;

namespace {

const QString kHost = QStringLiteral("studio-pc");

void mark(db::Connection& c, const QString& action, const QString& path, const QString& computer = kHost)
{
    db::callRoutine(
        c, QStringLiteral("ExecDirNoDone;1"),
        {{QStringLiteral("@R"), action}, {QStringLiteral("@CMP"), computer}, {QStringLiteral("@PH"), path}});
}

db::RowSet grid(db::Connection& c, const QString& computer = kHost)
{
    return db::callRoutine(c, QStringLiteral("GridDirNoDone;1"), {{QStringLiteral("@CMP"), computer}});
}

QStringList paths(const db::RowSet& r)
{
    QStringList list;
    for (int i = 0; i < r.size(); ++i)
        list << r.value(i, QStringLiteral("Path")).toString();
    return list;
}

} // namespace

class TestImportRoutines : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { import::registerRoutines(); }

    void marks_data()
    {
        test::addBackendColumn();
        test::addBackendRows();
    }
    void marks()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        db::Connection& c = cat.connection();
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

        mark(c, QStringLiteral("+"), QStringLiteral("/music/b/"));
        mark(c, QStringLiteral("+"), QStringLiteral("/music/a")); // the same folder as "/music/a/"
        mark(c, QStringLiteral("+"), QStringLiteral("/music/c/"), QStringLiteral("other-pc"));
        db::RowSet r = grid(c);
        QCOMPARE(r.columns,
                 (QStringList{QStringLiteral("ID"), QStringLiteral("Path"), QStringLiteral("Scan")}));
        QCOMPARE(paths(r), (QStringList{QStringLiteral("/music/a/"), QStringLiteral("/music/b/")}));
        const int idB = r.value(1, QStringLiteral("ID")).toInt();
        const QDateTime firstScan = r.value(1, QStringLiteral("Scan")).toDateTime();
        QVERIFY(firstScan >= before && firstScan <= QDateTime::currentDateTime());

        // Marked again: the same row with a later time.
        QTest::qWait(20);
        mark(c, QStringLiteral("+"), QStringLiteral("/music/b/"));
        mark(c, QStringLiteral("+"), QStringLiteral("/music/a/"));
        r = grid(c);
        QCOMPARE(paths(r), (QStringList{QStringLiteral("/music/a/"), QStringLiteral("/music/b/")}));
        QCOMPARE(r.value(1, QStringLiteral("ID")).toInt(), idB);
        QVERIFY(r.value(1, QStringLiteral("Scan")).toDateTime() > firstScan);

        // Removing: the mark goes, an unmarked folder and another computer's mark are no matter.
        mark(c, QStringLiteral("-"), QStringLiteral("/music/a/"));
        mark(c, QStringLiteral("-"), QStringLiteral("/music/never/"));
        mark(c, QStringLiteral("-"), QStringLiteral("/music/c/"));
        QCOMPARE(paths(grid(c)), QStringList{QStringLiteral("/music/b/")});
        QCOMPARE(paths(grid(c, QStringLiteral("other-pc"))), QStringList{QStringLiteral("/music/c/")});

        // A computer name longer than its 50 characters is cut alike for every call.
        const QString longName = QString(60, QLatin1Char('n'));
        mark(c, QStringLiteral("+"), QStringLiteral("/x/"), longName);
        QCOMPARE(paths(grid(c, longName)), QStringList{QStringLiteral("/x/")});
        mark(c, QStringLiteral("-"), QStringLiteral("/x/"), longName);
        QCOMPARE(grid(c, longName).size(), 0);
    }

    void badCalls_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QVariant>("action");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("named"); // what the error names
        const QString longPath = QLatin1Char('/') + QString(500, QLatin1Char('p'));
        for (const char* backend : {"sqlite", "postgresql"}) {
            const QString b = QString::fromLatin1(backend);
            auto row = [&](const char* name) -> QTestData& {
                return QTest::addRow("%s: %s", backend, name) << b;
            };
            row("empty action") << QVariant(QString()) << QStringLiteral("/m/") << QStringLiteral("@R");
            row("unknown action") << QVariant(QStringLiteral("x")) << QStringLiteral("/m/")
                                  << QStringLiteral("@R");
            row("two signs") << QVariant(QStringLiteral("+-")) << QStringLiteral("/m/")
                             << QStringLiteral("@R");
            row("no action") << QVariant() << QStringLiteral("/m/") << QStringLiteral("@R");
            row("no folder") << QVariant(QStringLiteral("+")) << QString() << QStringLiteral("@PH");
            row("folder too long") << QVariant(QStringLiteral("+")) << longPath << QStringLiteral("500");
        }
    }
    // Refused with an error that names the fault; nothing is stored or removed.
    void badCalls()
    {
        QFETCH(QString, backend);
        QFETCH(QVariant, action);
        QFETCH(QString, path);
        QFETCH(QString, named);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        db::Connection& c = cat.connection();
        mark(c, QStringLiteral("+"), QStringLiteral("/m/"));
        db::Params args{{QStringLiteral("@CMP"), kHost}, {QStringLiteral("@PH"), path}};
        if (action.isValid())
            args.set(QStringLiteral("@R"), action);
        try {
            db::callRoutine(c, QStringLiteral("ExecDirNoDone"), args);
            QFAIL("accepted");
        } catch (const db::DbError& e) {
            QVERIFY2(e.message().contains(named), qPrintable(e.message()));
        }
        QCOMPARE(paths(grid(c)), QStringList{QStringLiteral("/m/")});
        QVERIFY_THROWS_EXCEPTION(db::DbError, grid(c, QString()));
    }
};

QTEST_GUILESS_MAIN(TestImportRoutines)
#include "test_importroutines.moc"
