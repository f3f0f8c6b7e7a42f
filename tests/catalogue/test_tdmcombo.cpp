// The lookups behind the combo boxes: their orders, and a refresh that shows rows added elsewhere.
#include "catalogue/tdmcombo.h"
#include "support/testcatalogue.h"

#include <QtTest>

using namespace vintora;

class TestTdmCombo : public QObject {
    Q_OBJECT
private slots:
    void ordersAndRefresh_data() { test::addBackendColumn(); test::addBackendRows(); }
    void ordersAndRefresh()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        auto& c = cat.connection();
        c.execute(QStringLiteral("INSERT INTO Performer (ID, FirstName, LastName) VALUES (1, 'Zed', 'Adams'), (2, 'Amy', 'Winter')"));
        catalogue::TdmCombo combo(c);
        QVERIFY(!combo.taFirm.isActive());
        auto& kinds = catalogue::TdmCombo::ensureOpen(combo.taAlbumKind);
        QCOMPARE(kinds.integer(QStringLiteral("ID")), 1);
        kinds.last();
        QCOMPARE(kinds.integer(QStringLiteral("ID")), 12);
        auto& performers = catalogue::TdmCombo::ensureOpen(combo.taPerformer);
        QCOMPARE(performers.text(QStringLiteral("NameFull")), QStringLiteral("Zed Adams"));
        auto& issueKinds = catalogue::TdmCombo::ensureOpen(combo.taIssueKind);
        QCOMPARE(issueKinds.text(QStringLiteral("ID")), QStringLiteral("LP")); // highest order first
        QVERIFY(issueKinds.isReadOnly());
        QVERIFY(!catalogue::TdmCombo::ensureOpen(combo.taCountry).isReadOnly());

        auto& firms = catalogue::TdmCombo::ensureOpen(combo.taFirm);
        QCOMPARE(firms.recordCount(), 0);
        c.execute(QStringLiteral("INSERT INTO Firm (ID, Name) VALUES (1, 'Мелодия')"));
        QCOMPARE(firms.recordCount(), 0);
        catalogue::RefreshLookup(combo.taFirm);
        QCOMPARE(firms.recordCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTdmCombo)
#include "test_tdmcombo.moc"
