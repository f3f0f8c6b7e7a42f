// The streaming walk of the batch import lists what the window's folder listing lists, in the
// same order: hidden and ".skip" entries left out with all below them, linked folders not
// entered, the extension in any case.
#include "import/filewalk.h"
#include "platform/os/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vintora;

class TestFileWalk : public QObject {
    Q_OBJECT

    static void touch(const QString& path)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    static QStringList walked(const QString& folder, const QString& excluded)
    {
        import::FileWalk walk(folder, QStringLiteral("mp3"), excluded);
        QStringList list;
        QString path;
        while (walk.next(path))
            list << path;
        return list;
    }

private slots:
    void sameAsFolderListing_data()
    {
        QTest::addColumn<QString>("excluded");
        QTest::newRow("with .skip") << QStringLiteral(".skip");
        QTest::newRow("nothing excluded") << QString();
    }
    void sameAsFolderListing()
    {
        QFETCH(QString, excluded);
        QTemporaryDir dir;
        const QString root = dir.path();
        for (const char* name :
             {"a.mp3", "B.MP3", "c.txt", "mp3", ".hidden.mp3", "x.skip.mp3", "one/1.mp3", "one/two/2.Mp3",
              "one/two/three/3.mp3", "deep.skip/4.mp3", ".hid/5.mp3", "empty/"}) {
            const QString path = root + QLatin1Char('/') + QString::fromLatin1(name);
            if (path.endsWith(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(path));
            else
                touch(path);
        }
        QVERIFY(QFile::link(root + QStringLiteral("/one"), root + QStringLiteral("/loop")));
        QVERIFY(QFile::link(root + QStringLiteral("/a.mp3"), root + QStringLiteral("/linked.mp3")));

        QStringList listed;
        QVERIFY(os::findFilesByExt(root, QStringLiteral("mp3"), listed, {}, excluded));
        const QStringList streamed = walked(root, excluded);
        QCOMPARE(streamed, listed);
        QCOMPARE(walked(root + QLatin1Char('/'), excluded), listed); // the same with a trailing "/"
        QCOMPARE(streamed.size(), excluded.isEmpty() ? 8 : 6);
        QVERIFY(streamed.contains(root + QStringLiteral("/one/two/three/3.mp3")));
        QVERIFY(!streamed.filter(QStringLiteral("/loop/")).size());
        QVERIFY(walked(root + QStringLiteral("/empty"), excluded).isEmpty());
        QVERIFY(walked(root + QStringLiteral("/missing"), excluded).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileWalk)
#include "test_filewalk.moc"
