// The data-set layer on both servers: states, write-back, defaults, navigation and helpers.
#include "platform/db/dataset.h"
#include "platform/db/dbhelpers.h"
#include "platform/db/fielddefaults.h"
#include "platform/db/routines.h"
#include "platform/db/tcoptable.h"
#include "platform/os/settings.h"
#include "support/testcatalogue.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using namespace vintora;
using vintora::db::DataSet;
using vintora::db::DataSetState;

class TestDataSet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void insertEditPost_data() { test::addBackendColumn(); test::addBackendRows(); }
    void insertEditPost()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        DataSet ds(&cat.connection());
        ds.setSql(QStringLiteral("select * from Firm where ID = :ID"));
        ds.setParam(QStringLiteral("ID"), 7);
        QSignalSpy states(&ds, &DataSet::stateChanged);
        ds.open();
        QCOMPARE(ds.state(), DataSetState::Browse);
        QVERIFY(ds.isEmpty());
        ds.append();
        QCOMPARE(ds.state(), DataSetState::Insert);
        ds.setValue(QStringLiteral("ID"), cat.connection().emptyId(QStringLiteral("F")));
        ds.setValue(QStringLiteral("Name"), QStringLiteral("Мелодия"));
        ds.post();
        QCOMPARE(ds.state(), DataSetState::Browse);
        QCOMPARE(ds.integer(QStringLiteral("ID")), 1);
        QCOMPARE(states.count(), 3); // browse, insert, browse

        ds.edit();
        ds.setValue(QStringLiteral("ShortName"), QStringLiteral("Мел"));
        ds.cancel();
        QVERIFY(ds.isNull(QStringLiteral("ShortName")));
        ds.edit();
        ds.setValue(QStringLiteral("ShortName"), QStringLiteral("Мел"));
        ds.post();
        QCOMPARE(cat.connection().scalar(QStringLiteral("SELECT ShortName FROM Firm WHERE ID = 1")).toString(), QStringLiteral("Мел"));

        // Identity tables number their rows themselves; the key comes back after the post.
        DataSet links(&cat.connection());
        links.setTableName(QStringLiteral("FirmParent"));
        links.open();
        cat.connection().execute(QStringLiteral("INSERT INTO Firm (ID, Name) VALUES (2, 'EMI')"));
        links.append();
        links.setValue(QStringLiteral("Firm"), 1);
        links.setValue(QStringLiteral("Parent"), 2);
        links.post();
        QVERIFY(links.integer(QStringLiteral("ID")) > 0);
    }

    void computedColumnsReadBackAndReadOnly_data() { test::addBackendColumn(); test::addBackendRows(); }
    void computedColumnsReadBackAndReadOnly()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        DataSet ds(&cat.connection());
        ds.setSql(QStringLiteral("select * from Performer where ID = :ID"));
        ds.setParam(QStringLiteral("ID"), 0);
        ds.open();
        ds.append();
        ds.setValue(QStringLiteral("ID"), 15);
        ds.setValue(QStringLiteral("FirstName"), QStringLiteral("Paul"));
        ds.setValue(QStringLiteral("LastName"), QStringLiteral("McCartney"));
        ds.setValue(QStringLiteral("PlayQuery"), true);
        ds.post();
        QCOMPARE(ds.text(QStringLiteral("NameFull")), QStringLiteral("Paul McCartney"));
        QCOMPARE(ds.text(QStringLiteral("Key")), QStringLiteral("P15"));
        QCOMPARE(ds.value(QStringLiteral("PlayQuery")).typeId(), int(QMetaType::Bool));
        QVERIFY(ds.fieldDef(QStringLiteral("NameFull")).readOnly);
        QCOMPARE(ds.fieldDef(QStringLiteral("LastName")).size, 100);
        ds.edit();
        QVERIFY_THROWS_EXCEPTION(db::DbError, ds.setValue(QStringLiteral("NameFull"), QStringLiteral("x")));
        ds.cancel();
    }

    void navigationLocateSort_data() { test::addBackendColumn(); test::addBackendRows(); }
    void navigationLocateSort()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        const char* names[] = {"Beta", "alpha", "Gamma", "beta", "Альфа"};
        int id = 1;
        for (const char* n : names)
            cat.connection().execute(QStringLiteral("INSERT INTO Firm (ID, Name, ShortName) VALUES (:ID, :N, :S)"),
                                     {{QStringLiteral("ID"), id}, {QStringLiteral("N"), QString::fromUtf8(n)},
                                      {QStringLiteral("S"), id % 2 ? QStringLiteral("odd") : QStringLiteral("even")}}), ++id;
        DataSet ds(&cat.connection());
        ds.setTableName(QStringLiteral("Firm"), {}, QStringLiteral("ID"));
        ds.open();
        QCOMPARE(ds.recordCount(), 5);
        QCOMPARE(ds.recNo(), 1);
        ds.prior();
        QVERIFY(ds.bof());
        ds.last();
        QVERIFY(ds.eof());
        QCOMPARE(ds.integer(QStringLiteral("ID")), 5);
        ds.next();
        QVERIFY(ds.eof());
        QCOMPARE(ds.integer(QStringLiteral("ID")), 5);

        QVERIFY(ds.locate(QStringLiteral("Name"), QStringLiteral("beta")));
        QCOMPARE(ds.integer(QStringLiteral("ID")), 4);
        QVERIFY(ds.locate(QStringLiteral("Name"), QStringLiteral("BETA"), {true, false}));
        QCOMPARE(ds.integer(QStringLiteral("ID")), 1);
        QVERIFY(ds.locate(QStringLiteral("Name"), QStringLiteral("Gam"), {false, true}));
        QCOMPARE(ds.integer(QStringLiteral("ID")), 3);
        QVERIFY(ds.locate(QStringLiteral("ShortName;Name"), {QStringLiteral("even"), QStringLiteral("beta")}));
        QCOMPARE(ds.integer(QStringLiteral("ID")), 4);
        QVERIFY(!ds.locate(QStringLiteral("Name"), QStringLiteral("Delta")));
        QCOMPARE(ds.integer(QStringLiteral("ID")), 4); // a failed locate stays put

        const auto here = ds.bookmark();
        ds.setIndexFieldNames(QStringLiteral("ShortName;ID DESC;"));
        QCOMPARE(ds.indexFieldNames(), QStringLiteral("ShortName;ID DESC;"));
        QList<int> order;
        for (ds.first(); !ds.eof(); ds.next())
            order << ds.integer(QStringLiteral("ID"));
        QCOMPARE(order, (QList<int>{4, 2, 5, 3, 1}));
        QVERIFY(ds.gotoBookmark(here));
        QCOMPARE(ds.integer(QStringLiteral("ID")), 4);
    }

    void deleteKeepsCursorNextToRow_data() { test::addBackendColumn(); test::addBackendRows(); }
    void deleteKeepsCursorNextToRow()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        for (int i = 1; i <= 3; ++i)
            cat.connection().execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES (:O, 'x')"),
                                     {{QStringLiteral("O"), QStringLiteral("o%1").arg(i)}});
        DataSet ds(&cat.connection());
        ds.setTableName(QStringLiteral("Substitute"), {}, QStringLiteral("ID"));
        ds.open();
        ds.setCurrentRow(1);
        ds.deleteRecord();
        QCOMPARE(ds.text(QStringLiteral("Old")), QStringLiteral("o3"));
        ds.deleteRecord();
        QCOMPARE(ds.text(QStringLiteral("Old")), QStringLiteral("o1"));
        QCOMPARE(cat.connection().scalar(QStringLiteral("SELECT COUNT(*) FROM Substitute")).toInt(), 1);
    }

    void refusedDeleteKeepsRow_data() { test::addBackendColumn(); test::addBackendRows(); }
    void refusedDeleteKeepsRow()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        auto& c = cat.connection();
        c.execute(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (1, 'Queen')"));
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Kind, Title) VALUES (1, 1, 1, 'Jazz')"));
        DataSet ds(&c);
        ds.setTableName(QStringLiteral("Performer"));
        ds.open();
        QVERIFY_THROWS_EXCEPTION(db::DbError, db::deleteByKey(ds, QStringLiteral("Performer"), QStringLiteral("ID")));
        QCOMPARE(c.scalar(QStringLiteral("SELECT COUNT(*) FROM Performer")).toInt(), 1);
    }

    void deleteByKeyStatement()
    {
        QCOMPARE(db::deleteByKeyStatement(QStringLiteral("Track"), QStringLiteral("ID"), 15),
                 QStringLiteral("DELETE FROM Track WHERE ID = '15'"));
    }

    void openWithParams_data() { test::addBackendColumn(); test::addBackendRows(); }
    void openWithParams()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        QList<QVariantList> seen;
        db::RoutineRegistry::instance().add(QStringLiteral("TestEcho"), [&](db::Connection&, const db::RoutineArgs& a) {
            seen << QVariantList{a.value(QStringLiteral("A")), a.value(QStringLiteral("B")), a.value(QStringLiteral("C"))};
            db::RowSet r;
            r.columns << QStringLiteral("N");
            r.rows << QVariantList{1};
            return r;
        });
        DataSet ds(&cat.connection());
        ds.setRoutine(QStringLiteral("TestEcho;1"));
        ds.params() = db::Params{{QStringLiteral("@A"), 9}, {QStringLiteral("@B"), 9}, {QStringLiteral("@C"), 9}};
        db::openWithParams(ds, {5, QChar(u'x')});
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0][0].toInt(), 5);
        QCOMPARE(seen[0][1].toString(), QStringLiteral("x"));
        QVERIFY(seen[0][2].isNull());
        QVERIFY(ds.isActive());
        QVERIFY(ds.isReadOnly());
        try {
            db::openWithParams(ds, {QVariant(QSize(1, 1))});
            QFAIL("a size has no parameter form");
        } catch (const db::DbError& e) {
            QCOMPARE(e.message(), QStringLiteral("Неопределённый тип параметра (%1).").arg(int(QMetaType::QSize)));
        }
        QVERIFY(!ds.isActive());
    }

    void masterDetail_data() { test::addBackendColumn(); test::addBackendRows(); }
    void masterDetail()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        auto& c = cat.connection();
        c.execute(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (1, 'A'), (2, 'B')"));
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Kind, Title) VALUES (1, 1, 1, 'x'), (2, 2, 1, 'y'), (3, 2, 1, 'z')"));
        DataSet master(&c), detail(&c);
        master.setTableName(QStringLiteral("Performer"), {}, QStringLiteral("ID"));
        detail.setSql(QStringLiteral("SELECT ID, Title FROM Album WHERE Performer = :PL ORDER BY ID"));
        detail.setMaster(&master, {{QStringLiteral("PL"), QStringLiteral("ID")}});
        master.open();
        QCOMPARE(detail.recordCount(), 1);
        master.next();
        QCOMPARE(detail.recordCount(), 2);
        QCOMPARE(detail.text(QStringLiteral("Title")), QStringLiteral("y"));
        QVERIFY(detail.isReadOnly());
    }

    void assignFieldIfChanged_data() { test::addBackendColumn(); test::addBackendRows(); }
    void assignFieldIfChanged()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        cat.connection().execute(QStringLiteral("INSERT INTO Firm (ID, Name) VALUES (1, 'EMI')"));
        DataSet ds(&cat.connection());
        ds.setTableName(QStringLiteral("Firm"));
        ds.open();
        db::assignFieldIfChanged(ds, QStringLiteral("Name"), QStringLiteral("EMI"));
        QCOMPARE(ds.state(), DataSetState::Browse);
        db::assignFieldIfChanged(ds, QStringLiteral("Name"), QStringLiteral("Parlophone"));
        QCOMPARE(ds.state(), DataSetState::Edit);
        db::assignFieldIfChanged(ds, QStringLiteral("ShortName"), QVariant());
        QVERIFY(ds.isNull(QStringLiteral("ShortName")));
        ds.post();
        QCOMPARE(ds.text(QStringLiteral("Name")), QStringLiteral("Parlophone"));
    }

    void fieldDefaults_data() { test::addBackendColumn(); test::addBackendRows(); }
    void fieldDefaults()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        QCOMPARE(db::defaultsValueName(QStringLiteral("TAlbumEditFR"), QStringLiteral("taData")),
                 QStringLiteral("AlbumEditDataDefault"));
        QCOMPARE(db::defaultsValueName(QStringLiteral("TExportDataParameterFR"), QStringLiteral("taQuery")),
                 QStringLiteral("ExportDataParameterQueryDefault"));
        const QString name = QStringLiteral("TestRoleEdit%1Default").arg(backend);
        os::programSettings()->remove(name);
        cat.connection().execute(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (1, 'A')"));
        cat.connection().execute(QStringLiteral("INSERT INTO Album (ID, Performer, Kind, Title) VALUES (1, 1, 1, 'x')"));
        DataSet ds(&cat.connection());
        ds.setSql(QStringLiteral("select * from AlbumRole where ID = :ID"));
        ds.setParam(QStringLiteral("ID"), 0);
        ds.setFieldDefault(QStringLiteral("Role"), QStringLiteral("*"));
        ds.setFieldDefault(QStringLiteral("Play"), QStringLiteral("True"));
        ds.setFieldDefault(QStringLiteral("Member"), QStringLiteral("True"));
        ds.open();
        ds.append();
        db::loadFieldDefaults(ds, name); // nothing stored: the default expressions
        QCOMPARE(ds.text(QStringLiteral("Role")), QStringLiteral("*"));
        QCOMPARE(ds.value(QStringLiteral("Play")).toBool(), true);
        ds.setValue(QStringLiteral("Album"), 1);
        ds.setValue(QStringLiteral("Performer"), 1);
        ds.setValue(QStringLiteral("Role"), QStringLiteral("вокал"));
        ds.setValue(QStringLiteral("Member"), false);
        ds.post();
        db::saveFieldDefaults(ds, name);
        ds.append();
        db::loadFieldDefaults(ds, name);
        QCOMPARE(ds.text(QStringLiteral("Role")), QStringLiteral("вокал"));
        QCOMPARE(ds.value(QStringLiteral("Member")).toBool(), false);
        ds.cancel();
        // Fewer stored values than remembered fields: the rest from their expressions.
        os::writeBinaryValue(name, os::encodeValues({QStringLiteral("бас")}));
        ds.append();
        db::loadFieldDefaults(ds, name);
        QCOMPARE(ds.text(QStringLiteral("Role")), QStringLiteral("бас"));
        QCOMPARE(ds.value(QStringLiteral("Member")).toBool(), true);
        ds.cancel();
    }

    void parameterTable()
    {
        const QString name = QStringLiteral("TestQueryParamsDefault");
        os::programSettings()->remove(name);
        db::TcoPTable t;
        t.setValueName(name);
        t.addField({QStringLiteral("Filter"), QStringLiteral("Фильтр"), QMetaType::QString, 50, false, false, QStringLiteral("*")});
        t.addField({QStringLiteral("Limit"), {}, QMetaType::Int, 0, false, false, QStringLiteral("100")});
        t.addField({QStringLiteral("Since"), {}, QMetaType::QDateTime, 0, false, false, {}});
        t.loadParameters();
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(t.text(QStringLiteral("Filter")), QStringLiteral("*"));
        QCOMPARE(t.integer(QStringLiteral("Limit")), 100);
        QCOMPARE(t.value(QStringLiteral("Since")).toDateTime().date(), QDate::currentDate());
        t.edit();
        t.setValue(QStringLiteral("Filter"), QStringLiteral("Q"));
        t.setValue(QStringLiteral("Limit"), 7);
        t.saveParameters();
        db::TcoPTable again;
        again.setValueName(name);
        again.addField({QStringLiteral("Filter"), {}, QMetaType::QString, 50, false, false, QStringLiteral("*")});
        again.addField({QStringLiteral("Limit"), {}, QMetaType::Int, 0, false, false, QStringLiteral("100")});
        again.loadParameters();
        QCOMPARE(again.text(QStringLiteral("Filter")), QStringLiteral("Q"));
        QCOMPARE(again.integer(QStringLiteral("Limit")), 7);
    }
};

QTEST_GUILESS_MAIN(TestDataSet)
#include "test_dataset.moc"
