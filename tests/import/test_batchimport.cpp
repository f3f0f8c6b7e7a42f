// The batch import as a child process: killed midway it leaves a sound catalogue with every
// file registered so far complete and its folder marked as not finished, and a second run
// finishes without duplicate rows and removes the mark.
#include "mp3maker.h"
#include "platform/db/connection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vintora;

class TestBatchImport : public QObject {
    Q_OBJECT
private slots:
    void killedMidwayThenFinished()
    {
        QTemporaryDir dir;
        const QString music = dir.filePath(QStringLiteral("music"));
        const int total = 400;
        for (int a = 0; a < 8; ++a) {
            const QString folder = music + QStringLiteral("/album%1").arg(a);
            QVERIFY(QDir().mkpath(folder));
            for (int i = 0; i < total / 8; ++i) {
                test::Mp3Tags t;
                t.artist = QStringLiteral("Performer %1").arg(a % 3);
                t.album = QStringLiteral("Album %1").arg(a);
                t.year = QStringLiteral("1990");
                t.title = QStringLiteral("Song %1").arg(i);
                t.track = QString::number(i + 1);
                t.genre = QStringLiteral("Genre %1").arg(a % 2);
                QVERIFY(test::writeFile(folder + QStringLiteral("/%1.mp3").arg(i, 3, 10, QLatin1Char('0')), test::mp3File(&t, nullptr, 4)));
            }
        }
        const QString url = QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("c.db"));
        const QStringList args{QStringLiteral("import"), QStringLiteral("--db"), url, QStringLiteral("--create"), music};
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VINTORA_LOG_DIR"), dir.path());

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(QStringLiteral(VINTORA_CLI), args);
        QVERIFY(first.waitForStarted());
        int kept = 0;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 60000 && first.state() == QProcess::Running) {
            try {
                auto c = db::Connection::open(url);
                kept = c->scalar(QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")).toInt();
            } catch (const db::DbError&) {
                kept = 0; // the child is still creating the catalogue
            }
            if (kept >= 20)
                break;
            QTest::qWait(5);
        }
        if (first.state() != QProcess::Running)
            QSKIP("the import finished before it could be killed");
        first.kill();
        QVERIFY(first.waitForFinished());

        auto c = db::Connection::open(url);
        QCOMPARE(c->scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const int after = c->scalar(QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")).toInt();
        QVERIFY(after >= kept);
        QVERIFY(after < total);
        // A registered file always has its stream columns and its album, track and link.
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile WHERE Size IS NULL OR Age IS NULL")).toInt(), 0);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM MediumMpegDir d LEFT JOIN Album a ON a.ID = d.Album "
                                          "WHERE a.ID IS NULL")).toInt(), 0);
        const db::Params folder{{QStringLiteral("P"), music + QLatin1Char('/')}};
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM MpegScanNoDone WHERE Path = :P"), folder).toInt(), 1);
        c.reset();

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(VINTORA_CLI), args);
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(QString::fromUtf8(second.readAllStandardOutput()).contains(QStringLiteral("ошибок 0.")), "summary line");

        c = db::Connection::open(url);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")).toInt(), total);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM (SELECT Directory, Name FROM MediumMpegFile "
                                          "GROUP BY Directory, Name HAVING COUNT(*) > 1) x")).toInt(), 0);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM Performer WHERE LastName LIKE 'Performer %'")).toInt(), 3);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM Album WHERE Title LIKE 'Album %'")).toInt(), 8);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM Track")).toInt(), total);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM MediumMpegDir")).toInt(), 8);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM MpegScanNoDone")).toInt(), 0);
    }

    // Files skipped for a question no one answered leave the folder marked; the run that does
    // them all removes the mark. A folder without MP3 files is not marked at all.
    void unresolvedKeepMark()
    {
        QTemporaryDir dir;
        const QString music = dir.filePath(QStringLiteral("music"));
        const QString empty = dir.filePath(QStringLiteral("empty"));
        QVERIFY(QDir().mkpath(music) && QDir().mkpath(empty));
        test::Mp3Tags t;
        t.artist = QStringLiteral("Nobody Known");
        t.album = QStringLiteral("Nothing");
        t.title = QStringLiteral("Song");
        QVERIFY(test::writeFile(music + QStringLiteral("/a.mp3"), test::mp3File(&t)));
        const QString url = QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("c.db"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VINTORA_LOG_DIR"), dir.path());
        auto run = [&](const QStringList& extra, const QString& folder) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(VINTORA_CLI), QStringList{QStringLiteral("import"), QStringLiteral("--db"), url} + extra
                                                     + QStringList{folder});
            return p.waitForFinished(60000) ? p.exitCode() : -1;
        };
        auto marks = [&]() {
            auto c = db::Connection::open(url);
            return c->scalar(QStringLiteral("SELECT COUNT(*) FROM MpegScanNoDone WHERE Path = :P"),
                             {{QStringLiteral("P"), music + QLatin1Char('/')}}).toInt();
        };
        QCOMPARE(run({}, music), 1);
        QCOMPARE(marks(), 1);
        QCOMPARE(run({QStringLiteral("--create")}, music), 0);
        QCOMPARE(marks(), 0);
        QCOMPARE(run({}, empty), 0);
        auto c = db::Connection::open(url);
        QCOMPARE(c->scalar(QStringLiteral("SELECT COUNT(*) FROM MpegScanNoDone")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestBatchImport)
#include "test_batchimport.moc"
