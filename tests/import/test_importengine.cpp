// The tag import engine on a fresh catalogue with MP3 files made here: resolution order,
// fallbacks, the writes of one file, the change test, the folder check and the place cache.
#include "audio/tmpegaudio.h"
#include "catalogue/tdmcomming.h"
#include "import/timportmp3tagdm.h"
#include "mp3maker.h"
#include "platform/os/applog.h"
#include "platform/os/files.h"
#include "platform/os/volumes.h"
#include "support/testcatalogue.h"
#include "text/tsynonymdm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vintora;
using import::ImportQuestion;

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

// Records every question; answers at once from a queue of IDs (0 = cancel), or keeps it for
// the test to answer later.
class RecordingChooser : public import::IImportChooser {
public:
    QList<ImportQuestion> asked;
    QList<int> answers;
    bool deferred = false;
    std::function<void(int)> pendingChosen;
    std::function<void()> pendingCancelled;

    void choose(const ImportQuestion& q, std::function<void(int)> chosen, std::function<void()> cancelled) override
    {
        asked << q;
        if (deferred) {
            pendingChosen = std::move(chosen);
            pendingCancelled = std::move(cancelled);
            return;
        }
        const int id = answers.isEmpty() ? 0 : answers.takeFirst();
        if (id > 0)
            chosen(id);
        else
            cancelled();
    }
};

int count(db::Connection& c, const QString& sql, const db::Params& p = {})
{
    return c.scalar(sql, p).toInt();
}

} // namespace

class TestImportEngine : public QObject {
    Q_OBJECT
    QTemporaryDir m_logs;
    QTemporaryDir m_mounts;

    struct Run {
        int fileId = 0;
        bool cancelled = false;
        bool finished = false;
    };

    Run importOne(import::TImportMp3TagDM& engine, const QString& path)
    {
        audio::TMPEGaudio reader;
        Run r;
        if (!reader.ReadFromFile(path))
            return r;
        engine.ImportFile(path, reader, [&r](int id) { r.finished = true; r.fileId = id; },
                          [&r]() { r.cancelled = true; });
        return r;
    }

    void seed(db::Connection& c)
    {
        c.execute(QStringLiteral("INSERT INTO Genre (ID, Name) VALUES (9201, 'Rock')"));
        for (const auto& [id, name] : {std::pair{9001, "Queen"}, {9002, "Queen"}, {9007, "Beatles"}})
            c.execute(QStringLiteral("INSERT INTO Performer (ID, LastName) VALUES (:ID, :N)"),
                      {{QStringLiteral("ID"), id}, {QStringLiteral("N"), QString::fromUtf8(name)}});
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Title, RecordYear) VALUES (9101, 9001, 'Jazz', '1978')"));
        c.execute(QStringLiteral("INSERT INTO Album (ID, Performer, Title, RecordYear) VALUES (9107, 9007, 'Abbey Road', '1969')"));
        c.execute(QStringLiteral("INSERT INTO Track (Album, Number, Title) VALUES (9101, 1, 'Mustapha')"));
        c.execute(QStringLiteral("INSERT INTO Track (Album, Number, Title, Length) VALUES (9101, 2, 'Fat Bottomed Girls', '3:05')"));
        c.execute(QStringLiteral("INSERT INTO Track (Album, Number, Title) VALUES (9107, 1, 'Come Together')"));
        text::TSynonymDM(c).SetSynonym(9007, QStringLiteral("P|The Beatles"));
    }

    void setMounts(const QString& text)
    {
        QFile f(m_mounts.filePath(QStringLiteral("mounts")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        f.close();
        os::Volumes::reload();
    }

    static test::Mp3Tags queen(const QString& title, const QString& number, const QString& genre = QStringLiteral("Rock"))
    {
        test::Mp3Tags t;
        t.artist = QStringLiteral("Queen");
        t.album = QStringLiteral("Jazz");
        t.year = QStringLiteral("1978");
        t.title = title;
        t.track = number;
        t.genre = genre;
        return t;
    }

private slots:
    void initTestCase()
    {
        os::AppLog::setFolder(m_logs.path());
        qputenv("VINTORA_MOUNTS", m_mounts.filePath(QStringLiteral("mounts")).toLocal8Bit());
        setMounts({});
    }

    void exactMatchesAndSynonyms_data()
    {
        test::addBackendColumn();
        test::addBackendRows();
    }
    // Queen twice in the catalogue: the first wins silently; "The Beatles" through its synonym.
    // Every write of the file lands: the link, the track's gaps (a filled Length kept), the file.
    void exactMatchesAndSynonyms()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        catalogue::TdmComming dm(cat.url());
        db::Connection& c = dm.cnVintora();
        seed(c);
        QTemporaryDir dir;
        RecordingChooser chooser;
        import::TImportMp3TagDM engine(dm, chooser);

        test::Mp3Tags t1 = queen(QStringLiteral("Mustapha"), QStringLiteral("1/10"));
        t1.composer = QStringLiteral("Freddie Mercury / Brian May");
        t1.lyrics = QStringLiteral("Ibrahim");
        const QString f1 = dir.filePath(QStringLiteral("01 Mustapha.mp3"));
        QVERIFY(test::writeFile(f1, test::mp3File(&t1)));
        const QString f2 = dir.filePath(QStringLiteral("02.mp3"));
        const test::Mp3Tags t2 = queen(QStringLiteral("Fat Bottomed Girls"), QStringLiteral("2"));
        QVERIFY(test::writeFile(f2, test::mp3File(&t2)));
        test::Mp3Tags t3;
        t3.artist = QStringLiteral("The Beatles");
        t3.album = QStringLiteral("Abbey Road");
        t3.year = QStringLiteral("1969");
        t3.title = QStringLiteral("Come Together");
        t3.track = QStringLiteral("1");
        t3.originalArtist = QStringLiteral("Queen"); // the track's own performer
        const QString f3 = dir.filePath(QStringLiteral("03.mp3"));
        QVERIFY(test::writeFile(f3, test::mp3File(&t3)));

        for (const QString& f : {f1, f2, f3}) {
            QVERIFY(engine.NeedsImport(f));
            const Run r = importOne(engine, f);
            QVERIFY2(r.finished && r.fileId > 0, qPrintable(f));
        }
        QCOMPARE(chooser.asked.size(), 0);
        QCOMPARE(dm.importState.PerformerID, 9007);

        audio::TMPEGaudio reader;
        QVERIFY(reader.ReadFromFile(f1));
        const db::RowSet tracks = c.select(QStringLiteral("SELECT Number, Length, Authors, Lyrics FROM Track WHERE Album = 9101 ORDER BY Number"));
        QCOMPARE(tracks.value(0, QStringLiteral("Length")).toString(), reader.DurationText());
        QCOMPARE(tracks.value(0, QStringLiteral("Authors")).toString(), S("Freddie Mercury — Brian May"));
        QCOMPARE(tracks.value(0, QStringLiteral("Lyrics")).toString(), QStringLiteral("Ibrahim"));
        QCOMPARE(tracks.value(1, QStringLiteral("Length")).toString(), QStringLiteral("3:05"));
        QVERIFY(tracks.value(1, QStringLiteral("Authors")).isNull());
        QCOMPARE(count(c, QStringLiteral("SELECT Performer FROM Track WHERE Album = 9107 AND Number = 1")), 9001);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM Track WHERE Performer IS NOT NULL")), 1);

        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM PerformerGenre WHERE Performer = 9001 AND Genre = 9201")), 1);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM PerformerGenre")), 1);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegDir")), 2); // one per album
        const db::RowSet file = c.select(QStringLiteral("SELECT f.Size, f.Duration, f.BitRate, f.ChannelMode, f.IsLyrics, f.Version, d.Path "
                                                        "FROM MediumMpegFile f JOIN MediumMpegDir d ON d.ID = f.Directory "
                                                        "WHERE f.Name = '01 Mustapha.mp3'"));
        QCOMPARE(file.rows.size(), 1);
        QCOMPARE(file.value(0, QStringLiteral("Size")).toLongLong(), QFileInfo(f1).size());
        QCOMPARE(file.value(0, QStringLiteral("BitRate")).toInt(), 128);
        QCOMPARE(file.value(0, QStringLiteral("ChannelMode")).toInt(), 0);
        QCOMPARE(file.value(0, QStringLiteral("IsLyrics")).toInt(), 1);
        QCOMPARE(file.value(0, QStringLiteral("Version")).toString(), QStringLiteral("ID3v2.3"));
        QCOMPARE(file.value(0, QStringLiteral("Path")).toString(), os::dirWithoutDrive(dir.path()));
    }

    void questions_data()
    {
        test::addBackendColumn();
        test::addBackendRows();
    }
    // An ID3v2 tag without artist hides the ID3v1 artist; a cancelled question writes nothing.
    // An album question answered later resumes the file and remembers the answer; no genre,
    // no genre question and no link.
    void questions()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        catalogue::TdmComming dm(cat.url());
        db::Connection& c = dm.cnVintora();
        seed(c);
        QTemporaryDir dir;
        RecordingChooser chooser;
        import::TImportMp3TagDM engine(dm, chooser);

        test::Mp3Tags v2;
        v2.title = QStringLiteral("Mustapha");
        test::Mp3V1 v1;
        v1.artist = "Queen";
        v1.title = "Mustapha";
        const QString hidden = dir.filePath(QStringLiteral("hidden.mp3"));
        QVERIFY(test::writeFile(hidden, test::mp3File(&v2, &v1)));
        Run r = importOne(engine, hidden);
        QVERIFY(r.cancelled && !r.finished);
        QCOMPARE(chooser.asked.size(), 1);
        QCOMPARE(int(chooser.asked[0].kind), int(ImportQuestion::Performer));
        QCOMPARE(chooser.asked[0].text, QStringLiteral("[unknown]"));
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")), 0);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegDir")), 0);

        // Album "News of the World" is not in the catalogue: asked, answered later with 9101.
        chooser.asked.clear();
        chooser.deferred = true;
        test::Mp3Tags t = queen(QStringLiteral("Mustapha"), QStringLiteral("1"), {});
        t.album = QStringLiteral("News of the World");
        const QString f = dir.filePath(QStringLiteral("news.mp3"));
        QVERIFY(test::writeFile(f, test::mp3File(&t)));
        r = importOne(engine, f);
        QVERIFY(!r.finished && !r.cancelled);
        QCOMPARE(chooser.asked.size(), 1);
        QCOMPARE(int(chooser.asked[0].kind), int(ImportQuestion::Album));
        QCOMPARE(chooser.asked[0].performerId, 9001);
        QCOMPARE(chooser.asked[0].year, QStringLiteral("1978"));
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")), 0);
        // The window reads other files meanwhile; the engine kept what it needs.
        chooser.pendingChosen(9101);
        QCOMPARE(dm.importState.AlbumID, 9101);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile WHERE Name = 'news.mp3'")), 1);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM PerformerGenre")), 0);
        QCOMPARE(text::TSynonymDM(c).GetSynonym(text::TSynonymDM::albumKey(9001, QStringLiteral("1978"),
                                                                             QStringLiteral("News of the World"))), 9101);

        // The same tags again: resolved silently through the stored synonym.
        chooser.asked.clear();
        chooser.deferred = false;
        const QString again = dir.filePath(QStringLiteral("news2.mp3"));
        QVERIFY(test::writeFile(again, test::mp3File(&t)));
        r = importOne(engine, again);
        QVERIFY(r.finished);
        QCOMPARE(chooser.asked.size(), 0);

        // A genre the catalogue lacks is asked for; the answer becomes its synonym.
        test::Mp3Tags g = queen(QStringLiteral("Mustapha"), QStringLiteral("1"), QStringLiteral("Classic Rock"));
        const QString gf = dir.filePath(QStringLiteral("genre.mp3"));
        QVERIFY(test::writeFile(gf, test::mp3File(&g)));
        chooser.answers = {9201};
        r = importOne(engine, gf);
        QVERIFY(r.finished);
        QCOMPARE(chooser.asked.size(), 1);
        QCOMPARE(int(chooser.asked[0].kind), int(ImportQuestion::Genre));
        QCOMPARE(text::TSynonymDM(c).GetSynonym(QStringLiteral("G|Classic Rock")), 9201);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM PerformerGenre WHERE Performer = 9001 AND Genre = 9201")), 1);

        // A track number the album lacks: the question shows the file's name and preselects
        // the album's track of that title.
        chooser.asked.clear();
        const QString tf = dir.filePath(QStringLiteral("07 Mustapha (live).mp3"));
        const test::Mp3Tags seven = queen(QStringLiteral("Mustapha"), QStringLiteral("7"));
        QVERIFY(test::writeFile(tf, test::mp3File(&seven)));
        const int mustapha = count(c, QStringLiteral("SELECT ID FROM Track WHERE Album = 9101 AND Number = 1"));
        chooser.answers = {mustapha};
        QVERIFY(importOne(engine, tf).finished);
        QCOMPARE(chooser.asked.size(), 1);
        QCOMPARE(int(chooser.asked[0].kind), int(ImportQuestion::Track));
        QCOMPARE(chooser.asked[0].number, 7);
        QCOMPARE(chooser.asked[0].fileBaseName, QStringLiteral("07 Mustapha (live)"));
        QCOMPARE(chooser.asked[0].preselectedTrackId, mustapha);
    }

    void changeTestAndFolderCheck_data()
    {
        test::addBackendColumn();
        test::addBackendRows();
    }
    // An unchanged file is skipped, a changed one rewritten in its own row, a vanished one
    // loses its row with its line.
    void changeTestAndFolderCheck()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        catalogue::TdmComming dm(cat.url());
        db::Connection& c = dm.cnVintora();
        seed(c);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")));
        RecordingChooser chooser;
        import::TImportMp3TagDM engine(dm, chooser);
        const test::Mp3Tags t = queen(QStringLiteral("Mustapha"), QStringLiteral("1"));
        const QString a = dir.filePath(QStringLiteral("a.mp3"));
        const QString b = dir.filePath(QStringLiteral("sub/b.mp3"));
        QVERIFY(test::writeFile(a, test::mp3File(&t)));
        QVERIFY(test::writeFile(b, test::mp3File(&t)));
        const int idA = importOne(engine, a).fileId;
        QVERIFY(idA > 0);
        QVERIFY(importOne(engine, b).fileId > 0);
        QVERIFY(!engine.NeedsImport(a));
        QVERIFY(!engine.NeedsImport(b));

        QVERIFY(test::writeFile(a, test::mp3File(&t, nullptr, 60)));
        QVERIFY(engine.NeedsImport(a));
        QCOMPARE(importOne(engine, a).fileId, idA);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")), 2);
        QCOMPARE(count(c, QStringLiteral("SELECT Size FROM MediumMpegFile WHERE ID = :ID"), {{QStringLiteral("ID"), idA}}),
                 int(QFileInfo(a).size()));
        QVERIFY(!engine.NeedsImport(a));

        QVERIFY(QFile::remove(b));
        import::CheckFolderLines view;
        engine.CheckFolderFiles(dir.path(), view);
        const QString pct50 = S("Обработано %1% файлов.").arg(QLocale::system().toString(50.0, 'f', 1));
        const QString pct100 = S("Обработано %1% файлов.").arg(QLocale::system().toString(100.0, 'f', 1));
        // Rows come in path order: "/.../a.mp3" before "/.../sub/b.mp3".
        QCOMPARE(view.lines, (QStringList{S("Зарегистророванно 2 файлов."), pct50,
                                          QDir::cleanPath(b) + S(" отсутствует, запись удалена"), pct100}));
        QCOMPARE(view.maximum, 2);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")), 1);
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile WHERE ID = :ID"), {{QStringLiteral("ID"), idA}}), 1);
    }

    void folderCheckInPieces_data()
    {
        test::addBackendColumn();
        test::addBackendRows();
    }
    // A folder with more rows than one piece of the check: every row is seen once, in order,
    // and the rows of missing files on either side of a piece's end are deleted.
    void folderCheckInPieces()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        catalogue::TdmComming dm(cat.url());
        db::Connection& c = dm.cnVintora();
        seed(c);
        QTemporaryDir dir;
        RecordingChooser chooser;
        import::TImportMp3TagDM engine(dm, chooser);
        const test::Mp3Tags t = queen(QStringLiteral("Mustapha"), QStringLiteral("1"));
        const QString first = dir.filePath(QStringLiteral("0000.mp3"));
        QVERIFY(test::writeFile(first, test::mp3File(&t)));
        const int firstId = importOne(engine, first).fileId;
        QVERIFY(firstId > 0);
        const int directory = count(c, QStringLiteral("SELECT Directory FROM MediumMpegFile WHERE ID = :ID"),
                                    {{QStringLiteral("ID"), firstId}});
        const int total = 2101;
        const QList<int> missing{999, 1000, 1001, 2000, 2100};
        {
            db::Transaction tr(c);
            for (int i = 1; i < total; ++i) {
                const QString name = QStringLiteral("%1.mp3").arg(i, 4, 10, QLatin1Char('0'));
                c.execute(QStringLiteral("INSERT INTO MediumMpegFile (Directory, Name) VALUES (:D, :N)"),
                          {{QStringLiteral("D"), directory}, {QStringLiteral("N"), name}});
                if (!missing.contains(i))
                    QVERIFY(test::writeFile(dir.filePath(name), QByteArray()));
            }
            tr.commit();
        }
        import::CheckFolderLines view;
        engine.CheckFolderFiles(dir.path(), view);
        QCOMPARE(view.lines.first(), S("Зарегистророванно %1 файлов.").arg(total));
        QCOMPARE(view.maximum, total);
        const QStringList gone = view.lines.filter(S(" отсутствует, запись удалена"));
        QStringList expected;
        for (int i : missing)
            expected << QDir::cleanPath(dir.filePath(QStringLiteral("%1.mp3").arg(i, 4, 10, QLatin1Char('0'))))
                            + S(" отсутствует, запись удалена");
        QCOMPARE(gone, expected);
        QCOMPARE(view.lines.last(), S("Обработано %1% файлов.").arg(QLocale::system().toString(100.0, 'f', 1)));
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegFile")), total - int(missing.size()));
    }

    void placeCacheKeepsFirstMedium_data()
    {
        test::addBackendColumn();
        test::addBackendRows();
    }
    // Two discs of different labels in one drive within one engine: both under the first
    // disc's place. A new engine (a new window) sees the second label.
    void placeCacheKeepsFirstMedium()
    {
        QFETCH(QString, backend);
        VINTORA_OPEN_CATALOGUE(cat, backend);
        catalogue::TdmComming dm(cat.url());
        db::Connection& c = dm.cnVintora();
        seed(c);
        QTemporaryDir drive;
        const test::Mp3Tags t = queen(QStringLiteral("Mustapha"), QStringLiteral("1"));
        const QString a = drive.filePath(QStringLiteral("a.mp3"));
        QVERIFY(test::writeFile(a, test::mp3File(&t)));
        setMounts(drive.path() + QStringLiteral("\tDISC_A\t5\n"));
        RecordingChooser chooser;
        {
            import::TImportMp3TagDM engine(dm, chooser);
            QVERIFY(importOne(engine, a).fileId > 0);
            setMounts(drive.path() + QStringLiteral("\tDISC_B\t5\n"));
            const QString b = drive.filePath(QStringLiteral("b.mp3"));
            QVERIFY(test::writeFile(b, test::mp3File(&t)));
            QVERIFY(importOne(engine, b).fileId > 0);
            const db::RowSet places = c.select(QStringLiteral("SELECT Computer, Kind, Volume FROM MediumMpegPlace"));
            QCOMPARE(places.rows.size(), 1);
            QCOMPARE(places.value(0, QStringLiteral("Computer")).toString(), QStringLiteral("CD-ROM"));
            QCOMPARE(places.value(0, QStringLiteral("Kind")).toInt(), 5);
            QCOMPARE(places.value(0, QStringLiteral("Volume")).toString(), QStringLiteral("DISC_A"));
            QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegDir WHERE Path = '/'")), 1);
        }
        import::TImportMp3TagDM fresh(dm, chooser);
        QVERIFY(fresh.NeedsImport(a)); // DISC_B holds nothing yet
        QCOMPARE(count(c, QStringLiteral("SELECT COUNT(*) FROM MediumMpegPlace WHERE Volume = 'DISC_B'")), 1);
        setMounts({});
    }
};

QTEST_GUILESS_MAIN(TestImportEngine)
#include "test_importengine.moc"
