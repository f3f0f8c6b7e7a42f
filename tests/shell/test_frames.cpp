// The frames every window is assembled from: search, choice, query, table-edit, recent-values
// and client frames, and the single-field frames with operations of their own.
#include "shellfixture.h"

#include "platform/db/routines.h"
#include "platform/ui/datasource.h"
#include "shell/tbasechoicecombofr.h"
#include "shell/tbasechoicedbgrideditfr.h"
#include "shell/tbasedbcomboboxsf.h"
#include "shell/tbasedbeditmrusf.h"
#include "shell/tbasedblookupcombosf.h"
#include "shell/tbasemruchoicefr.h"
#include "shell/tbasequeryfr.h"
#include "shell/tbaserootclientfr.h"
#include "shell/tbaserootfm.h"
#include "shell/tbasetableeditfr.h"
#include "shell/tcobutton.h"
#include "shell/tcodbcombobox.h"
#include "shell/tcodbedit.h"
#include "shell/tcodbgrideh.h"
#include "shell/tcodblookupcombo.h"
#include "shell/tcolabel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QToolBar>

using namespace vintora;
using namespace vintora::shell;

namespace {
class TPlainFM : public TBASERootFM {
public:
    using TBASERootFM::TBASERootFM;
};

// A search over the words of Substitute, as the find routines of the catalogue search names.
db::RowSet findWords(db::Connection& c, const db::RoutineArgs& args)
{
    db::RowSet r;
    r.columns = {QStringLiteral("ID"), QStringLiteral("Name")};
    QSqlQuery q =
        c.query(QStringLiteral("SELECT ID, Old FROM Substitute WHERE Old LIKE :t || '%' ORDER BY Old"),
                {{QStringLiteral("t"), args.text(QStringLiteral("@NM"))}});
    while (q.next())
        r.rows << QVariantList{q.value(0), q.value(1)};
    return r;
}

class TWordFindFR : public TBASEChoiceDBGridEditFR {
public:
    TWordFindFR(QWidget* owner, std::function<void(const QVariant&)> afterClose)
        : TBASEChoiceDBGridEditFR(owner, 0, true, std::move(afterClose))
    {
        setSearchRoutine(QStringLiteral("TestFindWord"), QStringLiteral("@NM"));
    }
};

class TYearQueryFR : public TBASEQueryFR {
    Q_OBJECT
public:
    explicit TYearQueryFR(QWidget* owner, std::function<void()> go = {}) : TBASEQueryFR(owner, std::move(go))
    {
        db::FieldDef year;
        year.name = QStringLiteral("Year");
        year.type = QMetaType::Int;
        year.defaultExpression = QStringLiteral("1990");
        taQuery->addField(year);
        LoadParameters();
    }
    int year() const { return taQuery->integer(QStringLiteral("Year")); }
};

class TWordDetailFR : public TBASERootClientFR {
    Q_OBJECT
public:
    using TBASERootClientFR::TBASERootClientFR;
    int width = 0;

protected:
    void saveLayout(QVariantMap& v) const override { v.insert(QStringLiteral("Split"), width); }
    void loadLayout(const QVariantMap& v) override { width = v.value(QStringLiteral("Split")).toInt(); }
};

void addWords(db::Connection& c, const QStringList& words)
{
    for (const QString& w : words)
        c.execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES (:o, :o)"),
                  {{QStringLiteral("o"), w}});
}
} // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db::RoutineRegistry::instance().add(QStringLiteral("TestFindWord"), findWords); }

    void searchFollowsText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("empty shows nothing") << QString() << QStringList{};
        QTest::newRow("blank shows nothing") << QStringLiteral("   ") << QStringList{};
        QTest::newRow("prefix") << QStringLiteral("al")
                                << QStringList{QStringLiteral("alfa"), QStringLiteral("alpha")};
        QTest::newRow("trimmed") << QStringLiteral("  alp ") << QStringList{QStringLiteral("alpha")};
        QTest::newRow("no match") << QStringLiteral("zz") << QStringList{};
    }
    void searchFollowsText()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        test::ShellFixture f;
        addWords(f.c(), {QStringLiteral("alpha"), QStringLiteral("alfa"), QStringLiteral("beta")});
        TPlainFM w;
        w.resize(700, 500);
        TWordFindFR frame(&w, {});
        frame.setInitialText(QStringLiteral("b"));
        QCOMPARE(frame.taChoice->recordCount(), 1);
        // Every change re-runs the search, with nothing else to press.
        frame.edFind->clear();
        QTest::keyClicks(frame.edFind, typed);
        QStringList names;
        for (int r = 0; r < frame.taChoice->recordCount(); ++r)
            names
                << frame.taChoice->rowValue(r, frame.taChoice->fieldIndex(QStringLiteral("Name"))).toString();
        QCOMPARE(names, shown);
        QCOMPARE(frame.grChoice->model()->rowCount(), int(shown.size()));
    }

    void searchHandsBackIdAndStartsOver()
    {
        test::ShellFixture f;
        addWords(f.c(), {QStringLiteral("alpha"), QStringLiteral("beta")});
        const QVariant beta = f.c().scalar(QStringLiteral("SELECT ID FROM Substitute WHERE Old = 'beta'"));
        TPlainFM w;
        w.resize(700, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVariant chosen;
        TWordFindFR frame(&w, [&chosen](const QVariant& id) { chosen = id; });
        frame.setInitialText(QStringLiteral("al"));
        frame.OpenFrame();
        frame.alChoice->update();
        QVERIFY(!frame.acStartOver->isVisible()); // the box still holds the initial text
        QVERIFY(!frame.acInsert->isVisible());
        QVERIFY(!frame.btAppend->isVisibleTo(&frame) && !frame.btEdit->isVisibleTo(&frame) &&
                !frame.btDelete->isVisibleTo(&frame));
        QVERIFY(!frame.btStartOver->isVisibleTo(&frame));
        frame.edFind->setText(QStringLiteral("be"));
        QVERIFY(frame.acStartOver->isVisible());
        QVERIFY(frame.btStartOver->isVisibleTo(&frame));
        frame.choose();
        QVERIFY(!frame.isVisible());
        QCOMPARE(chosen, beta);
        frame.acStartOver->trigger();
        QCOMPARE(frame.edFind->text(), QStringLiteral("al"));
        QVERIFY(!frame.acStartOver->isVisible());
    }

    void searchPastesClipboard()
    {
        test::ShellFixture f;
        addWords(f.c(), {QStringLiteral("alpha")});
        TPlainFM w;
        TWordFindFR frame(&w, {});
        QGuiApplication::clipboard()->clear();
        QVERIFY(!frame.acPastFind->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("alp"));
        QVERIFY(frame.acPastFind->isEnabled());
        frame.acPastFind->trigger();
        QCOMPARE(frame.edFind->text(), QStringLiteral("alp"));
        QCOMPARE(frame.taChoice->recordCount(), 1);
    }

    void gridChoiceNotifications()
    {
        test::ShellFixture f;
        addWords(f.c(), {QStringLiteral("alpha")});
        TPlainFM w;
        TBASEChoiceDBGridFR frame(&w);
        frame.taChoice->setSql(QStringLiteral("select ID, Old from Substitute"));
        frame.taChoice->open();
        frame.alChoice->update();
        QVERIFY(frame.acDelete->isEnabled());
        QStringList calls;
        frame.onChosenKey = [&](const QVariant& k) { calls << QStringLiteral("key ") + k.toString(); };
        frame.onAfterClose = [&](const QVariant& k) {
            calls << QStringLiteral("closed ") + k.toString() +
                         (frame.isOpen() ? QStringLiteral(" open") : QString());
        };
        frame.OpenFrame();
        frame.choose();
        const QString id = frame.taChoice->text(QStringLiteral("ID"));
        QCOMPARE(calls, (QStringList{QStringLiteral("key ") + id, QStringLiteral("closed ") + id}));
        // A choice handler takes the place of the key notification.
        calls.clear();
        frame.onChoice = [&](QObject* sender) {
            calls << (sender == &frame ? QStringLiteral("choice") : QStringLiteral("?"));
        };
        frame.choose();
        QCOMPARE(calls, (QStringList{QStringLiteral("choice"), QStringLiteral("closed ") + id}));
        frame.taChoice->close();
        frame.alChoice->update();
        QVERIFY(!frame.acInsert->isEnabled());
        QVERIFY(!frame.acEdit->isEnabled());
    }

    void comboChoiceNeedsPositiveKey()
    {
        test::ShellFixture f;
        addWords(f.c(), {QStringLiteral("alpha")});
        TPlainFM w;
        TBASEChoiceComboFR frame(&w);
        frame.taChoice->setSql(QStringLiteral("select ID, Old from Substitute union all select 0, 'none'"));
        frame.taChoice->open();
        QVariant chosen;
        frame.onChosenKey = [&chosen](const QVariant& k) { chosen = k; };
        const int none = frame.cbChoice->findText(QStringLiteral("none"));
        const int alpha = frame.cbChoice->findText(QStringLiteral("alpha"));
        QVERIFY(none >= 0 && alpha >= 0);
        frame.cbChoice->setCurrentIndex(alpha);
        QVERIFY(frame.btChoice->isEnabled());
        QVERIFY(frame.btEdit->isEnabled());
        frame.cbChoice->setCurrentIndex(none);
        QVERIFY(!frame.btChoice->isEnabled());
        QVERIFY(!frame.btEdit->isEnabled());
        frame.cbChoice->setCurrentIndex(alpha);
        frame.choose();
        QCOMPARE(chosen, f.c().scalar(QStringLiteral("SELECT ID FROM Substitute WHERE Old = 'alpha'")));
    }

    void queryCancelKeepsStoredParameters()
    {
        test::ShellFixture f;
        TPlainFM w;
        int runs = 0;
        {
            TYearQueryFR frame(&w, [&runs] { ++runs; });
            QVERIFY(frame.btGo->isEnabled());
            QCOMPARE(frame.year(), 1990); // nothing stored yet: the default
            frame.OpenFrame();
            frame.taQuery->edit();
            frame.taQuery->setValue(QStringLiteral("Year"), 2001);
            frame.go();
            QCOMPARE(runs, 1);
        }
        {
            TYearQueryFR frame(&w, [&runs] { ++runs; });
            QCOMPARE(frame.year(), 2001);
            frame.OpenFrame();
            frame.taQuery->edit();
            frame.taQuery->setValue(QStringLiteral("Year"), 1975);
            QTest::mouseClick(frame.btCancel, Qt::LeftButton);
            QVERIFY(!frame.isVisible());
            QCOMPARE(frame.year(), 1975); // kept in the frame, not stored
            QCOMPARE(runs, 1);
        }
        TYearQueryFR again(&w);
        QVERIFY(!again.btGo->isEnabled()); // no go notification given
        QCOMPARE(again.year(), 2001);
    }

    void tableEditFrameCommandsAndCancel()
    {
        test::ShellFixture f;
        addWords(f.c(), {QStringLiteral("alpha")});
        TPlainFM w;
        w.resize(700, 500);
        int cancelled = 0;
        TBASETableEditFR frame(&w);
        frame.onCancel = [&cancelled] { ++cancelled; };
        frame.alData->update();
        QVERIFY(!frame.acInsert->isEnabled());
        frame.taData->setSql(QStringLiteral("select * from Substitute where Old = :Old"));
        frame.taData->setParam(QStringLiteral("Old"), QStringLiteral("none"));
        frame.taData->open();
        QVERIFY(frame.acInsert->isEnabled());
        QVERIFY(!frame.acEdit->isEnabled());
        QVERIFY(!frame.acDelete->isEnabled());
        frame.taData->setParam(QStringLiteral("Old"), QStringLiteral("alpha"));
        frame.taData->open();
        QVERIFY(frame.acEdit->isEnabled());
        QVERIFY(frame.acDelete->isEnabled());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        frame.OpenFrame();
        // Whole grid rows: the frame gave up its leftover pixels at the top, its bottom stayed.
        QVERIFY(frame.grData->emptyRow() <= 0);
        const int bottom = frame.geometry().bottom();
        QCOMPARE(bottom, w.height() - 5 - 1);
        const int half = frame.grData->verticalHeader()->defaultSectionSize() / 2;
        frame.setGeometry(frame.x(), frame.y() - half, frame.width(), frame.height() + half);
        QVERIFY(frame.grData->emptyRow() <= 0);
        QCOMPARE(frame.geometry().bottom(), bottom);
        QCOMPARE(frame.x(), 5);
        frame.taData->edit();
        frame.taData->setValue(QStringLiteral("New"), QStringLiteral("changed"));
        QTest::mouseClick(frame.btCancel, Qt::LeftButton);
        QVERIFY(!frame.taData->isActive());
        QCOMPARE(cancelled, 1);
        QCOMPARE(f.c().scalar(QStringLiteral("SELECT New FROM Substitute WHERE Old = 'alpha'")).toString(),
                 QStringLiteral("alpha"));
    }

    void recentValuesRequeryFromThreeCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("requeries");
        QTest::newRow("one") << QStringLiteral("g") << 0;
        QTest::newRow("two") << QStringLiteral("gu") << 0;
        QTest::newRow("three") << QStringLiteral("gui") << 1;
        QTest::newRow("four") << QStringLiteral("guit") << 2;
    }
    void recentValuesRequeryFromThreeCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(int, requeries);
        test::ShellFixture f;
        for (const char* n : {"bass", "guitar", "guitar (acoustic)", "vocals"})
            f.c().execute(QStringLiteral("INSERT INTO MRUList (Unit, Name) VALUES ('RL', :n)"),
                          {{QStringLiteral("n"), QString::fromLatin1(n)}});
        f.c().execute(QStringLiteral("INSERT INTO MRUList (Unit, Name) VALUES ('XX', 'guitar solo')"));
        TPlainFM w;
        w.resize(800, 600);
        db::DataSet data(&f.c());
        data.setSql(QStringLiteral("select * from Substitute"));
        data.open();
        ui::DataSource source(&data);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TBASEDBEditMRUSF sf(w.pnBase);
        sf.setUnit(QStringLiteral("RL"));
        sf.edField->bind(&source, QStringLiteral("New"));
        data.append();
        QTest::mouseClick(sf.btMRU, Qt::LeftButton);
        auto* frame = w.findChild<TBASEMRUChoiceFR*>();
        QVERIFY(frame && frame->isOpen());
        QVERIFY(frame->objectName().startsWith(QStringLiteral("MRU")));
        QCOMPARE(frame->taMRU->recordCount(), 4); // from the empty text on, this unit only
        QSignalSpy opened(frame->taMRU, &db::DataSet::afterOpen);
        QTest::keyClicks(frame->edField, typed);
        QCOMPARE(opened.count(), requeries);
        if (requeries > 0)
            QCOMPARE(frame->taMRU->text(QStringLiteral("Name")), QStringLiteral("guitar"));
    }

    void recentValuesChooseDeleteCancel()
    {
        test::ShellFixture f;
        for (const char* n : {"bass", "guitar"})
            f.c().execute(QStringLiteral("INSERT INTO MRUList (Unit, Name) VALUES ('RL', :n)"),
                          {{QStringLiteral("n"), QString::fromLatin1(n)}});
        addWords(f.c(), {QStringLiteral("alpha")});
        TPlainFM w;
        w.resize(800, 600);
        db::DataSet data(&f.c());
        data.setSql(QStringLiteral("select * from Substitute"));
        data.open();
        ui::DataSource source(&data);
        TcoDBEdit edit(w.pnBase);
        edit.bind(&source, QStringLiteral("New"));
        // The name chosen goes into the field; the field stays as chosen when the frame closes.
        OpenMRUChoice(QStringLiteral("RL"), &edit);
        auto* frame = w.findChild<TBASEMRUChoiceFR*>();
        QVERIFY(frame->taMRU->locate(QStringLiteral("Name"), QStringLiteral("guitar")));
        frame->chooseCurrent();
        QCOMPARE(data.state(), db::DataSetState::Edit);
        QCOMPARE(data.text(QStringLiteral("New")), QStringLiteral("guitar"));
        QCOMPARE(frame->edField->text(), QStringLiteral("guitar"));
        QTest::mouseClick(frame->btChoice, Qt::LeftButton);
        QVERIFY(!frame->isOpen());
        QCOMPARE(data.text(QStringLiteral("New")), QStringLiteral("guitar"));
        // Cancel puts back the text the field had when the frame opened.
        data.setValue(QStringLiteral("New"), QStringLiteral("b"));
        OpenMRUChoice(QStringLiteral("RL"), &edit);
        QCOMPARE(frame->taMRU->recordCount(), 2);                // from "b" on
        QCOMPARE(w.findChildren<TBASEMRUChoiceFR*>().size(), 1); // one frame per window, reused
        QVERIFY(frame->taMRU->locate(QStringLiteral("Name"), QStringLiteral("bass")));
        frame->chooseCurrent();
        QCOMPARE(data.text(QStringLiteral("New")), QStringLiteral("bass"));
        frame->deleteCurrent();
        QCOMPARE(f.c().scalar(QStringLiteral("SELECT COUNT(*) FROM MRUList WHERE Name = 'bass'")).toInt(), 0);
        QCOMPARE(frame->taMRU->recordCount(), 1);
        QTest::mouseClick(frame->btCancel, Qt::LeftButton);
        QCOMPARE(data.text(QStringLiteral("New")), QStringLiteral("b"));
    }

    void clientFrameTakesTheWindow()
    {
        test::ShellFixture f;
        TPlainFM keep; // closing the last window would end the program
        int closed = 0;
        {
            auto* w = new TPlainFM;
            w->setWindowTitle(QStringLiteral("Детальное описание"));
            w->resize(800, 600);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            auto* a = new TWordDetailFR(w, [&closed] { ++closed; });
            auto* b = new TWordDetailFR(w);
            a->setHelpKeyword(QStringLiteral("Исполнитель"));
            a->ShowClient();
            QVERIFY(a->isVisible());
            QVERIFY(!w->tbMain->isVisible());
            QCOMPARE(a->geometry(), w->rect());
            w->resize(900, 650);
            QTRY_COMPARE(a->geometry(), w->rect());
            QCOMPARE(w->windowTitle(), QStringLiteral("Детальное описание • Исполнитель"));
            QVERIFY(a->objectName().startsWith(QStringLiteral("WordDetailFR")));
            b->ShowClient();
            a->CloseClient();
            QVERIFY(!w->tbMain->isVisible()); // b still covers the window
            QCOMPARE(w->windowTitle(), QStringLiteral("Детальное описание"));
            QCOMPARE(closed, 1);
            b->CloseClient();
            QVERIFY(w->tbMain->isVisible());
            a->width = 123;
            w->close(); // frees the window; the frames keep their layout
        }
        auto* w = new TPlainFM;
        auto* a = new TWordDetailFR(w);
        a->ShowClient();
        QCOMPARE(a->width, 123);
        delete w;
    }

    void comboFrameFillItems_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("two columns") << QStringLiteral("select Old, New from Substitute order by Old")
                                     << QStringList{QStringLiteral("a"), QStringLiteral("b")}
                                     << QStringList{QStringLiteral("1"), QStringLiteral("2")};
        QTest::newRow("one column") << QStringLiteral("select Old from Substitute order by Old")
                                    << QStringList{QStringLiteral("a"), QStringLiteral("b")}
                                    << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("no rows keep the list")
            << QStringLiteral("select Old, New from Substitute where Old = 'x'")
            << QStringList{QStringLiteral("old")} << QStringList{QStringLiteral("9")};
    }
    void comboFrameFillItems()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, items);
        QFETCH(QStringList, values);
        test::ShellFixture f;
        f.c().execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES ('b', '2'), ('a', '1')"));
        TBASEDBComboBoxSF sf;
        QCOMPARE(sf.laDisplayLable->text(), QStringLiteral("Метка поля"));
        sf.cbField->setItemsAndValues({QStringLiteral("old")}, {QStringLiteral("9")});
        db::DataSet list(&f.c());
        list.setSql(sql);
        sf.FillItems(list);
        QCOMPARE(sf.cbField->items(), items);
        QCOMPARE(sf.cbField->values(), values);
        QVERIFY(!list.isActive());
    }

    void lookupFrameReadOnly_data()
    {
        QTest::addColumn<bool>("designedInert");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("opened");
        QTest::newRow("editable") << false << false << 1;
        QTest::newRow("read-only") << false << true << 0;
        QTest::newRow("inert stays inert") << true << false << 0;
    }
    void lookupFrameReadOnly()
    {
        QFETCH(bool, designedInert);
        QFETCH(bool, readOnly);
        QFETCH(int, opened);
        test::ShellFixture f;
        addWords(f.c(), {QStringLiteral("alpha")});
        TBASEDBLookupComboSF sf;
        sf.resize(300, 24);
        sf.show();
        int dictionary = 0;
        sf.onDictionary = [&dictionary] { ++dictionary; };
        db::DataSet lookup(&f.c());
        lookup.setSql(QStringLiteral("select ID, Old from Substitute"));
        ui::DataSource source(&lookup);
        sf.SetLookupSource(&source);
        QVERIFY(lookup.isActive()); // re-read on being set
        QCOMPARE(sf.cbField->count(), 1);
        sf.setLabelNoClick(designedInert);
        sf.SetReadOnly(true);
        sf.SetReadOnly(readOnly);
        QCOMPARE(sf.cbField->isReadOnly(), readOnly);
        QCOMPARE(sf.cbField->focusPolicy() == Qt::NoFocus, readOnly);
        QTest::mouseClick(sf.btLabel, Qt::LeftButton);
        QCOMPARE(dictionary, opened);
    }
};

VINTORA_SHELL_TEST_MAIN(TestFrames)
#include "test_frames.moc"
