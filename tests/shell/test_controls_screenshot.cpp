// The pictures compiled into the program, and how the first window of a fresh catalogue looks
// with them: the window and its command menu are saved as pictures to look at.
#include "shellfixture.h"

#include "shell/tbasedatadm.h"
#include "shell/tbaserootfm.h"
#include "shell/tvintorastartup.h"

#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

using namespace vintora;
using namespace vintora::shell;

Q_DECLARE_METATYPE(TBASEDataDM::List)

namespace {

// Every action of a menu and its sub-menus.
QList<QAction*> menuActions(QMenu* menu)
{
    QList<QAction*> all;
    for (QAction* a : menu->actions()) {
        if (a->menu())
            all += menuActions(a->menu());
        else if (!a->isSeparator())
            all << a;
    }
    return all;
}

QString savePicture(const QPixmap& picture, const QString& name)
{
    const QString folder = qEnvironmentVariable("VINTORA_SCREENSHOTS", QDir::currentPath() + QStringLiteral("/screenshots"));
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    if (!picture.save(path))
        return {};
    qInfo("picture saved: %s", qPrintable(path));
    return path;
}

} // namespace

class TestControlsScreenshot : public QObject {
    Q_OBJECT
private slots:
    // The indexes the windows' lists rely on all have a picture; past the end there is none.
    void listPictures_data()
    {
        QTest::addColumn<TBASEDataDM::List>("list");
        QTest::addColumn<int>("count");
        QTest::newRow("imAlbum") << TBASEDataDM::List::Album << 18;
        QTest::newRow("imPubl") << TBASEDataDM::List::Publ << 4;
        QTest::newRow("imDisk") << TBASEDataDM::List::Disk << 8;
        QTest::newRow("imObject") << TBASEDataDM::List::Object << 4;
    }
    void listPictures()
    {
        QFETCH(TBASEDataDM::List, list);
        QFETCH(int, count);
        QCOMPARE(TBASEDataDM::pictureCount(list), count);
        for (int i = 0; i < count; ++i) {
            const QIcon icon = TBASEDataDM::picture(list, i);
            QVERIFY2(!icon.pixmap(16, 16).isNull(), qPrintable(QString::number(i)));
        }
        QVERIFY(TBASEDataDM::picture(list, count).isNull());
        QVERIFY(TBASEDataDM::picture(list, -1).isNull());
    }

    void toolBarPictures()
    {
        // The indexes the windows and frames name, in both sizes.
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 32, 33, 34, 66}) {
            const QIcon icon = TBASEDataDM::toolIcon(i);
            QVERIFY2(!icon.pixmap(16, 16).isNull(), qPrintable(QString::number(i)));
            QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(24, 24)}));
        }
        QVERIFY(TBASEDataDM::toolIcon(65).isNull());
    }

    void firstWindowWithCommandMenu()
    {
        test::ShellFixture f;
        TVintoraStartup::registerShellWindows();
        // Every command has its own picture.
        QSet<qint64> seen;
        for (QAction* a : menuActions(f.actions->pmExecute())) {
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
            seen.insert(a->icon().pixmap(16, 16).toImage().cacheKey());
        }

        f.actions->DispatchCommandLine(QStringLiteral("/usr/bin/vintora"), true);
        auto* window = qobject_cast<TBASERootFM*>(QApplication::activeWindow());
        if (!window) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* r = qobject_cast<TBASERootFM*>(w); r && r->isVisible())
                    window = r;
            }
        }
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->resize(760, 420);
        QTest::qWait(50);
        const QString shot = savePicture(window->grab(), QStringLiteral("main-window.png"));
        QVERIFY(!shot.isEmpty());

        // The command menu as the tool bar's first button opens it.
        auto* button = window->findChild<QToolButton*>(QStringLiteral("imRootEx"));
        QMenu* menu = button ? button->menu() : nullptr;
        if (!menu)
            menu = f.actions->pmExecute();
        const QPoint under = button ? button->mapTo(window, QPoint(0, button->height())) : QPoint(4, 30);
        menu->popup(window->mapToGlobal(under));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY(!savePicture(menu->grab(), QStringLiteral("command-menu.png")).isEmpty());
        // The window with its menu open, as the user sees it (an offscreen grab holds one window).
        QPixmap both = window->grab();
        {
            QPainter p(&both);
            p.drawPixmap(window->mapFromGlobal(menu->pos()), menu->grab());
        }
        QVERIFY(!savePicture(both, QStringLiteral("main-window-menu.png")).isEmpty());
        for (QAction* a : menu->actions()) {
            if (QMenu* sub = a->menu()) {
                sub->popup(window->mapToGlobal(QPoint(200, 40)));
                QVERIFY(QTest::qWaitForWindowExposed(sub));
                QVERIFY(!savePicture(sub->grab(), QStringLiteral("command-menu-%1.png").arg(a->objectName())).isEmpty());
                sub->hide();
            }
        }
        menu->hide();
        window->close();
    }
};

VINTORA_SHELL_TEST_MAIN(TestControlsScreenshot)
#include "test_controls_screenshot.moc"
