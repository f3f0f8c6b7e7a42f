// The rule-table windows on the table-edit base: panel, insert, delete, snapshot invalidation,
// the role rule from a text and the delimiter code box; and a picture of one for the eye.
#include "shellfixture.h"

#include "platform/db/dberror.h"
#include "shell/talbumroledelimiterfm.h"
#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"
#include "shell/trolesubstitutelistfm.h"
#include "shell/tsubstitutelistfm.h"

#include <QDir>
#include <QHeaderView>

using namespace vintora;
using namespace vintora::shell;

namespace {
// Deletes the window when a case ends, also after a failed check, so the next case starts
// without a window left over from a catalogue that is gone.
struct WindowGuard {
    QPointer<QWidget> window;
    ~WindowGuard() { delete window.data(); }
};

void addRows(db::Connection& c, int count)
{
    for (int i = 0; i < count; ++i)
        c.execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES (:o, :o)"), {{QStringLiteral("o"), QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0'))}});
}
} // namespace

class TestRuleTables : public QObject {
    Q_OBJECT
private slots:
    void roleRuleFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::newRow("square brackets") << "Vocals [lead]" << "vocals (lead)" << "lead vocals";
        QTest::newRow("plain") << "guitar" << "guitar" << "";
        QTest::newRow("text after bracket dropped") << "(backing) vocals" << "(backing) vocals" << "backing";
        QTest::newRow("cyrillic") << "Вокал [Бэк]" << "вокал (бэк)" << "бэк вокал";
    }
    void roleRuleFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        const auto [o, n] = TRoleSubstituteListFM::ruleFromText(text);
        QCOMPARE(o, oldText);
        QCOMPARE(n, newText);
    }

    void openingWithTextStartsRule()
    {
        test::ShellFixture f;
        ShowRoleSubstituteList();
        TRoleSubstituteListFM* w = TRoleSubstituteListFM::instance();
        WindowGuard guard{w};
        QVERIFY(w);
        QVERIFY(!w->editing()); // from the menu: no new row
        ShowRoleSubstituteList(QStringLiteral("guitar"));
        QVERIFY(w->editing());
        QCOMPARE(w->taTable->state(), db::DataSetState::Insert);
        QCOMPARE(w->edOld->text(), QStringLiteral("guitar"));
        QVERIFY(w->taTable->isNull(QStringLiteral("New")));
        w->acDataPost->trigger();
        QVERIFY(!w->editing());
        QCOMPARE(f.c().scalar(QStringLiteral("SELECT COUNT(*) FROM RoleSubstitute WHERE Old = 'guitar'")).toInt(), 1);
    }

    void delimiterCode_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("stored"); // null: refused
        QTest::newRow("code decides") << "x" << "45" << "-";
        QTest::newRow("matching code keeps") << ":" << "58" << ":";
        QTest::newRow("cyrillic by its byte") << "" << "192" << "А";
        QTest::newRow("blanks around the code") << "" << " 47 " << "/";
        QTest::newRow("empty box keeps the typed character") << "x" << "" << "x";
        QTest::newRow("nothing at all") << "" << "" << QString();
        QTest::newRow("not a number") << "x" << "abc" << QString();
        QTest::newRow("zero") << "x" << "0" << QString();
        QTest::newRow("beyond a byte") << "x" << "300" << QString();
    }
    void delimiterCode()
    {
        QFETCH(QString, item);
        QFETCH(QString, code);
        QFETCH(QString, stored);
        if (stored.isNull()) {
            QVERIFY_THROWS_EXCEPTION(db::DbError, TAlbumRoleDelimiterFM::itemForCode(item, code));
            return;
        }
        QCOMPARE(TAlbumRoleDelimiterFM::itemForCode(item, code), stored);
    }

    void delimiterWindowStoresCodeCharacter()
    {
        test::ShellFixture f;
        ShowDelimiterRoleList();
        TAlbumRoleDelimiterFM* w = TAlbumRoleDelimiterFM::instance();
        WindowGuard guard{w};
        QVERIFY(w);
        // The code box follows the current row.
        w->taTable->first();
        QCOMPARE(w->edCode->text(), w->taTable->value(QStringLiteral("Code")).toString());
        w->acDataInsert->trigger();
        QVERIFY(w->edCode->text().isEmpty());
        QTest::keyClicks(w->edItem, QStringLiteral("x"));
        QTest::keyClicks(w->edCode, QStringLiteral("47"));
        w->acDataPost->trigger();
        QCOMPARE(f.c().scalar(QStringLiteral("SELECT COUNT(*) FROM DelimiterRole WHERE Item = '/'")).toInt(), 1);
        // A code that names no character is refused; the row stays in its edit and nothing is stored.
        const int rows = f.c().scalar(QStringLiteral("SELECT COUNT(*) FROM DelimiterRole")).toInt();
        w->acDataInsert->trigger();
        QTest::keyClicks(w->edItem, QStringLiteral(";"));
        QTest::keyClicks(w->edCode, QStringLiteral("abc"));
        QVERIFY_THROWS_EXCEPTION(db::DbError, w->taTable->post());
        QVERIFY(w->editing());
        QCOMPARE(w->taTable->state(), db::DataSetState::Insert);
        QCOMPARE(w->edItem->text(), QStringLiteral(";"));
        QCOMPARE(f.c().scalar(QStringLiteral("SELECT COUNT(*) FROM DelimiterRole")).toInt(), rows);
        w->acDataCancel->trigger();
    }

    void savedSubstituteReachesRules()
    {
        test::ShellFixture f;
        const int before = f.data->taSubstitute().recordCount();
        ShowSubstituteList();
        TSubstituteListFM* w = TSubstituteListFM::instance();
        WindowGuard guard{w};
        w->acDataInsert->trigger();
        QTest::keyClicks(w->edOld, QStringLiteral("feat"));
        QTest::keyClicks(w->edNew, QStringLiteral("ft."));
        w->acDataPost->trigger();
        // The kept-open table was closed, so the next use reads the new row.
        QCOMPARE(f.data->taSubstitute().recordCount(), before + 1);
    }

    void tableEditPanelAndFocus()
    {
        test::ShellFixture f;
        ShowSubstituteList();
        TSubstituteListFM* w = TSubstituteListFM::instance();
        WindowGuard guard{w};
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->alMain->update();
        QVERIFY(w->acDataInsert->isEnabled());
        QVERIFY(!w->acDataEdit->isEnabled()); // empty table
        w->acDataInsert->trigger();
        QVERIFY(w->pnEdit->isVisible());
        QVERIFY(!w->grTable->isEnabled());
        QVERIFY(!w->imPrint->isEnabled());
        QVERIFY(!w->acDataInsert->isEnabled());
        QVERIFY(w->acDataCancel->isEnabled());
        w->acDataCancel->trigger();
        QVERIFY(!w->pnEdit->isVisible());
        QVERIFY(w->grTable->isEnabled());
        QVERIFY(w->grTable->hasFocus());
        QCOMPARE(w->taTable->recordCount(), 0);
    }

    void deleteKeepsCursorNextToRow_data()
    {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("current");
        QTest::newRow("middle: previous row") << "c" << "b";
        QTest::newRow("last: new last") << "e" << "d";
        QTest::newRow("first: new first") << "a" << "b";
    }
    void deleteKeepsCursorNextToRow()
    {
        QFETCH(QString, deleted);
        QFETCH(QString, current);
        test::ShellFixture f;
        for (const char* o : {"d", "b", "e", "a", "c"})
            f.c().execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES (:o, :o)"), {{QStringLiteral("o"), QString::fromLatin1(o)}});
        ShowSubstituteList();
        TSubstituteListFM* w = TSubstituteListFM::instance();
        WindowGuard guard{w};
        QCOMPARE(w->taTable->indexFieldNames(), QStringLiteral("Old;"));
        QVERIFY(w->taTable->locate(QStringLiteral("Old"), deleted));
        w->acDataDelete->trigger();
        QCOMPARE(w->taTable->recordCount(), 4);
        QCOMPARE(w->taTable->text(QStringLiteral("Old")), current);
        QCOMPARE(w->grTable->currentIndex().row(), w->taTable->currentRow());
    }

    void findByFirstLetters()
    {
        test::ShellFixture f;
        for (const char* o : {"alpha", "beta", "Бета"})
            f.c().execute(QStringLiteral("INSERT INTO Substitute (Old) VALUES (:o)"), {{QStringLiteral("o"), QString::fromUtf8(o)}});
        ShowSubstituteList();
        TSubstituteListFM* w = TSubstituteListFM::instance();
        WindowGuard guard{w};
        QVERIFY(w->find(QStringLiteral("бе")));
        QCOMPARE(w->taTable->text(QStringLiteral("Old")), QStringLiteral("Бета"));
    }

    void windowShowsWholeRows_data()
    {
        QTest::addColumn<int>("height");
        for (int h : {300, 311, 323, 337})
            QTest::addRow("height %d", h) << h;
    }
    void windowShowsWholeRows()
    {
        QFETCH(int, height);
        test::ShellFixture f;
        addRows(f.c(), 12);
        ShowSubstituteList();
        TSubstituteListFM* w = TSubstituteListFM::instance();
        WindowGuard guard{w};
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->resize(678, height);
        QTRY_VERIFY(w->height() <= height);
        QVERIFY(w->grTable->emptyRow() <= 0);
        QVERIFY(height - w->height() < w->grTable->verticalHeader()->defaultSectionSize());
    }

    // A picture of a table-edit window with its panel open, for a person to look at.
    void screenshotWithEditPanel()
    {
        test::ShellFixture f;
        const char* rows[][2] = {{"feat.", "ft."}, {"and", "&"}, {"vol", "Vol."}, {"pt", "Part"}, {"live", "(Live)"}, {"remix", "(Remix)"}};
        for (const auto& r : rows)
            f.c().execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES (:o, :n)"),
                          {{QStringLiteral("o"), QString::fromUtf8(r[0])}, {QStringLiteral("n"), QString::fromUtf8(r[1])}});
        ShowSubstituteList();
        TSubstituteListFM* w = TSubstituteListFM::instance();
        WindowGuard guard{w};
        w->resize(678, 335);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->acDataEdit->trigger();
        QTest::keyClicks(w->edNew, QStringLiteral(" (edited)"));
        w->alMain->update();
        QCoreApplication::processEvents();
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
        QDir().mkpath(dir);
        const QString file = dir + QStringLiteral("/tablеedit-panel.png").replace(QChar(0x0435), QLatin1Char('e'));
        QVERIFY(w->grab().save(file));
        qInfo("screenshot: %s", qPrintable(file));
        w->acDataCancel->trigger();
    }
};

VINTORA_SHELL_TEST_MAIN(TestRuleTables)
#include "test_ruletables.moc"
