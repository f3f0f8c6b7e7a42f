// Start-up dispatch, the base window (menu copy, last window, screen rules) and the overlay and
// edit frames.
#include "shellfixture.h"

#include "platform/db/dbhelpers.h"
#include "shell/tbaseeditfr.h"
#include "shell/tbaserootfm.h"
#include "shell/tcobutton.h"
#include "shell/tcodbedit.h"
#include "shell/tsubstitutelistfm.h"

#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

using namespace vintora;
using namespace vintora::shell;

namespace {
class TPlainFM : public TBASERootFM {
public:
    using TBASERootFM::TBASERootFM;
};

class TTestEditFR : public TBASEEditFR {
public:
    using TBASEEditFR::TBASEEditFR;
};

QAction* findCopy(QMenu* menu, QAction* source)
{
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            if (QAction* f = findCopy(a->menu(), source))
                return f;
        } else if (a->property("sourceAction").value<QObject*>() == source) {
            return a;
        }
    }
    return nullptr;
}
} // namespace

class TestShellBases : public QObject {
    Q_OBJECT
private slots:
    void dispatch_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QStringList>("opened");
        const QStringList start{QStringLiteral("detail"), QStringLiteral("acPerformer"), QStringLiteral("acPlayList")};
        QTest::newRow("plain") << "/usr/bin/vintora" << true << start;
        QTest::newRow("imp only, even closed") << "/usr/bin/vintora -imp" << false << QStringList{QStringLiteral("acImportFileTag")};
        QTest::newRow("play first") << "/usr/bin/vintora /PLAY" << true << (QStringList{QStringLiteral("acPlayList")} + start);
        QTest::newRow("exp check task") << "vintora exp check task" << true
                                        << (QStringList{QStringLiteral("acExport"), QStringLiteral("acCheckData"), QStringLiteral("acTask")} + start);
        QTest::newRow("word inside the path") << "/opt/taskbox/vintora" << true << (QStringList{QStringLiteral("acTask")} + start);
        QTest::newRow("closed ends quietly") << "vintora play" << false << QStringList{};
    }
    void dispatch()
    {
        QFETCH(QString, line);
        QFETCH(bool, connected);
        QFETCH(QStringList, opened);
        test::ShellFixture f;
        QStringList log;
        for (const char* n : {"acImportFileTag", "acPlayList", "acExport", "acCheckData", "acTask", "acPerformer"}) {
            const QString name = QString::fromLatin1(n);
            f.actions->setOpener(name, [&log, name] { log << name; });
        }
        f.actions->setRestoreDetailBackList([&log] { log << QStringLiteral("detail"); });
        const int before = TVintoraApplication::terminateRequests();
        f.actions->DispatchCommandLine(line, connected);
        QCOMPARE(log, opened);
        QCOMPARE(TVintoraApplication::terminateRequests() - before, !connected && !line.contains(QLatin1String("imp")) ? 1 : 0);
    }

    void startWithoutPerformerListOpensSubstitutions()
    {
        test::ShellFixture f;
        f.actions->setOpener(QStringLiteral("acSubstitute"), [] { ShowSubstituteList(); });
        QVERIFY(!f.actions->action(QStringLiteral("acPerformer"))->isEnabled());
        f.actions->DispatchCommandLine(QStringLiteral("vintora"), true);
        QVERIFY(TSubstituteListFM::instance());
        QVERIFY(!f.actions->action(QStringLiteral("acDetail"))->isEnabled());
        delete TSubstituteListFM::instance();
    }

    void menuCopyDisablesOwnEntryOnly()
    {
        test::ShellFixture f;
        f.actions->setOpener(QStringLiteral("acSubstitute"), [] {});
        f.actions->setOpener(QStringLiteral("acGenre"), [] {});
        TPlainFM w;
        QAction* own = f.actions->action(QStringLiteral("acSubstitute"));
        QAction* other = f.actions->action(QStringLiteral("acGenre"));
        w.DisableOwnCommand(own);
        QAction* ownCopy = findCopy(w.rootMenu, own);
        QAction* otherCopy = findCopy(w.rootMenu, other);
        QVERIFY(ownCopy && otherCopy);
        QVERIFY(!ownCopy->isEnabled());
        QVERIFY(otherCopy->isEnabled());
        QVERIFY(own->isEnabled()); // other windows keep the command
        // The copy stays disabled when the central action changes.
        own->setText(QStringLiteral("x"));
        QVERIFY(!ownCopy->isEnabled());
        // The other entry runs the central command.
        int runs = 0;
        f.actions->setOpener(QStringLiteral("acGenre"), [&runs] { ++runs; });
        otherCopy->trigger();
        QCOMPARE(runs, 1);
        // The sub-menus of the catalogue are copied in their order.
        QStringList titles;
        for (QAction* a : w.rootMenu->actions())
            if (a->menu())
                titles << a->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("Отчёты"), QStringLiteral("Справочники"), QStringLiteral("Обслуживание")}));
    }

    void lastWindowEndsProgram()
    {
        test::ShellFixture f;
        auto* a = new TPlainFM;
        auto* b = new TPlainFM;
        b->hide(); // hidden windows count as well
        a->show();
        const int before = TVintoraApplication::terminateRequests();
        QVERIFY(a->close());
        QCOMPARE(TVintoraApplication::terminateRequests(), before);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        b->show();
        QVERIFY(b->close());
        QCOMPARE(TVintoraApplication::terminateRequests(), before + 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(TBASERootFM::windows().isEmpty());
    }

    void keepOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<QRect>("want");
        QTest::newRow("left -11") << QRect(-11, 100, 300, 200) << true << QRect(10, 100, 300, 200);
        QTest::newRow("left -10 stays") << QRect(-10, 100, 300, 200) << true << QRect(-10, 100, 300, 200);
        QTest::newRow("right beyond") << QRect(900, 100, 300, 200) << true << QRect(10, 100, 300, 200);
        QTest::newRow("too wide") << QRect(100, 100, 1200, 200) << true << QRect(10, 100, 1004, 200);
        QTest::newRow("maximised not resized") << QRect(0, 0, 1200, 900) << false << QRect(0, 0, 1200, 900);
    }
    void keepOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(bool, normal);
        QFETCH(QRect, want);
        QCOMPARE(TBASERootFM::keepOnScreen(frame, QSize(1024, 768), normal), want);
    }

    void overlayFrameLocksAndRestores()
    {
        test::ShellFixture f;
        TPlainFM w;
        w.resize(600, 400);
        auto* button = new QPushButton(QStringLiteral("x"), w.pnBase);
        w.pnBase->layout()->addWidget(button);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        int closed = 0;
        TBASERootFR frame(&w, [&closed] { ++closed; });
        frame.resize(200, 100);
        frame.OpenFrame();
        QVERIFY(frame.isVisible());
        QVERIFY(!w.pnBase->isEnabled());
        QVERIFY(!w.tbMain->isEnabled());
        QVERIFY(!button->isEnabled() || !button->isEnabledTo(&w));
        // Anchored to the bottom right, 5 pixels in.
        QCOMPARE(frame.geometry().right(), w.width() - 5 - 1);
        QCOMPARE(frame.geometry().bottom(), w.height() - 5 - 1);
        QTest::mouseClick(frame.btCancel, Qt::LeftButton);
        QVERIFY(!frame.isVisible());
        QVERIFY(w.pnBase->isEnabled());
        QVERIFY(w.tbMain->isEnabled());
        QCOMPARE(closed, 1);
    }

    void editFrameInsertsWithDefaultsAndNulls()
    {
        test::ShellFixture f;
        TPlainFM w;
        w.resize(600, 400);
        QVariant saved;
        auto open = [&](TTestEditFR& frame) {
            frame.taData->setSql(QStringLiteral("select * from Substitute where ID = :ID"));
            frame.taData->setFieldDefault(QStringLiteral("New"), QStringLiteral("*"));
            frame.taData->setParam(QStringLiteral("ID"), QVariant());
            db::openWithParams(*frame.taData, {-1});
            if (frame.taData->isEmpty())
                frame.taData->append();
            frame.OpenFrame();
        };
        {
            TTestEditFR frame(&w, [&saved](const QVariant& id) { saved = id; });
            auto* edNew = new TcoDBEdit(&frame);
            edNew->bind(frame.dsData, QStringLiteral("New"));
            open(frame);
            QVERIFY(frame.btSave->isEnabled());
            QCOMPARE(edNew->text(), QStringLiteral("*")); // nothing remembered yet
            frame.taData->setValue(QStringLiteral("Old"), QStringLiteral("alpha"));
            QTest::keyClicks(edNew, QStringLiteral("kind1"));
            frame.save();
            QVERIFY(!frame.isVisible());
            QVERIFY(saved.toInt() > 0);
            QCOMPARE(f.c().scalar(QStringLiteral("SELECT New FROM Substitute WHERE ID = :ID"), {{QStringLiteral("ID"), saved}}).toString(),
                     QStringLiteral("*kind1"));
        }
        {
            TTestEditFR frame(&w, [&saved](const QVariant& id) { saved = id; });
            auto* edNew = new TcoDBEdit(&frame);
            edNew->bind(frame.dsData, QStringLiteral("New"));
            open(frame);
            QCOMPARE(edNew->text(), QStringLiteral("*kind1")); // remembered from the last save
            frame.taData->setValue(QStringLiteral("Old"), QStringLiteral("beta"));
            edNew->clear();
            frame.taData->setValue(QStringLiteral("New"), QStringLiteral(""));
            frame.save();
            const QVariant stored = f.c().scalar(QStringLiteral("SELECT New FROM Substitute WHERE ID = :ID"), {{QStringLiteral("ID"), saved}});
            QVERIFY(stored.isNull());
        }
    }

    void saveEnabledOnlyWhileEditing()
    {
        test::ShellFixture f;
        TPlainFM w;
        f.c().execute(QStringLiteral("INSERT INTO Substitute (Old, New) VALUES ('a', 'b')"));
        TTestEditFR frame(&w);
        frame.taData->setSql(QStringLiteral("select * from Substitute where ID = :ID"));
        frame.taData->setParam(QStringLiteral("ID"), QVariant());
        db::openWithParams(*frame.taData, {1});
        QVERIFY(!frame.btSave->isEnabled());
        frame.taData->edit();
        QVERIFY(frame.btSave->isEnabled());
        frame.taData->cancel();
        QVERIFY(!frame.btSave->isEnabled());
    }
};

VINTORA_SHELL_TEST_MAIN(TestShellBases)
#include "test_shellbases.moc"
