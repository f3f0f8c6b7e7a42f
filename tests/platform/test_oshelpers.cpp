// Helpers over the operating system: names, paths, mounts, folder walks, versions, settings.
#include "platform/os/files.h"
#include "platform/os/settings.h"
#include "platform/os/system.h"
#include "platform/os/volumes.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vintora::os;

class TestOsHelpers : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    void useMounts(const QString& text)
    {
        const QString file = m_dir.filePath(QStringLiteral("mounts.txt"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        f.close();
        qputenv("VINTORA_MOUNTS", file.toUtf8());
        Volumes::reload();
    }

    static void touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void safeFileName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("slash colon question") << QStringLiteral("AC/DC: Live?") << QStringLiteral("ACDC Live");
        QTest::newRow("asterisk leaves one blank") << QStringLiteral("a * b") << QStringLiteral("a b");
        QTest::newRow("all nine") << QStringLiteral("<>\"\\/*:?|") << QString();
        QTest::newRow("no trim") << QStringLiteral("  x  ") << QStringLiteral(" x ");
        QTest::newRow("cyrillic kept") << QStringLiteral("Кино: Группа крови") << QStringLiteral("Кино Группа крови");
    }
    void safeFileName()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(vintora::os::safeFileName(text), expected);
    }

    void names()
    {
        QCOMPARE(fileNameWithoutExt(QStringLiteral("/a/b/03 Song.live.mp3")), QStringLiteral("03 Song.live"));
        QCOMPARE(withTrailingBackslash(QString()), QString());
        QCOMPARE(withTrailingBackslash(QStringLiteral("/x")), QStringLiteral("/x/"));
        QCOMPARE(withTrailingBackslash(QStringLiteral("/x/")), QStringLiteral("/x/"));
    }

    void mountsAndLabels()
    {
        useMounts(QStringLiteral("/\troot\t3\n/media/usb\tMUSIC\t2\n/mnt/cd\tmusic\t5\n/media/usb/inner\tINNER\t3\n"
                                 "/mnt/nolabel\n"));
        QCOMPARE(Volumes::mounts().size(), 5);
        QCOMPARE(Volumes::mountPointOf(QStringLiteral("/media/usb/Music/A/01.mp3")), QStringLiteral("/media/usb"));
        QCOMPARE(Volumes::mountPointOf(QStringLiteral("/media/usb/inner/x")), QStringLiteral("/media/usb/inner"));
        QCOMPARE(Volumes::mountPointOf(QStringLiteral("/media/usbother/x")), QStringLiteral("/"));
        QCOMPARE(dirWithoutDrive(QStringLiteral("/media/usb/Music/A")), QStringLiteral("/Music/A"));
        QCOMPARE(dirWithoutDrive(QStringLiteral("/media/usb/Music/A/")), QStringLiteral("/Music/A"));
        QCOMPARE(dirWithoutDrive(QStringLiteral("/home/x/Music")), QStringLiteral("/home/x/Music"));
        QCOMPARE(dirWithoutDrive(QStringLiteral("/media/usb")), QStringLiteral("/"));
        QCOMPARE(getVolumeLabel(QStringLiteral("/media/usb")), QStringLiteral("MUSIC"));
        QCOMPARE(getVolumeLabel(QStringLiteral("/mnt/nolabel")), QStringLiteral("nolabel"));
        QCOMPARE(getVolumeLabel(QStringLiteral("/nowhere")), QString());
        QCOMPARE(getDriveKind(QStringLiteral("/mnt/cd")), 5);
        // Two volumes of one label (any case): the later one wins.
        QCOMPARE(findDriveByLabel(QStringLiteral("Music")), QStringLiteral("/mnt/cd"));
        QCOMPARE(findDriveByLabel(QStringLiteral("none")), QStringLiteral("?"));
        qunsetenv("VINTORA_MOUNTS");
        Volumes::reload();
        QVERIFY(!Volumes::mounts().isEmpty()); // the real table has at least the root
    }

    void findFilesByExt()
    {
        const QString root = m_dir.filePath(QStringLiteral("walk"));
        touch(root + QStringLiteral("/a.mp3"));
        touch(root + QStringLiteral("/B.MP3"));
        touch(root + QStringLiteral("/c.mp3.txt"));
        touch(root + QStringLiteral("/sub/d.mp3"));
        touch(root + QStringLiteral("/.hidden/e.mp3"));
        touch(root + QStringLiteral("/.f.mp3"));
        touch(root + QStringLiteral("/old.skip/g.mp3"));
        touch(root + QStringLiteral("/sub/h.skip.mp3"));
        QVERIFY(QFile::link(root, root + QStringLiteral("/sub/loop")));
        QStringList found, folders;
        QVERIFY(vintora::os::findFilesByExt(root, QStringLiteral("mp3"), found,
                                            [&](const QString& f) { folders << f; return true; }, QStringLiteral(".skip")));
        found.sort();
        QCOMPARE(found, (QStringList{root + QStringLiteral("/B.MP3"), root + QStringLiteral("/a.mp3"),
                                     root + QStringLiteral("/sub/d.mp3")}));
        QVERIFY(folders.contains(root + QStringLiteral("/...")));
        QVERIFY(folders.contains(root + QStringLiteral("/sub/...")));
        // The callback can stop the walk.
        QStringList none;
        QVERIFY(!vintora::os::findFilesByExt(root, QStringLiteral("mp3"), none, [](const QString&) { return false; }));
        QVERIFY(none.isEmpty());
    }

    void versions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("reorder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("reordered") << QStringLiteral("5.79.8.1534") << true << QStringLiteral("5.8.07901534");
        QTest::newRow("plain") << QStringLiteral("5.79.8.1534") << false << QStringLiteral("5.79.8.1534");
        QTest::newRow("not numbers") << QStringLiteral("5.x.8") << true << QStringLiteral("5.8.00000000");
        QTest::newRow("none") << QString() << false << QStringLiteral("0.0.0.0");
    }
    void versions()
    {
        QFETCH(QString, file);
        QFETCH(bool, reorder);
        QFETCH(QString, expected);
        QCOMPARE(formatProgramVersion(file, reorder), expected);
    }

    void versionCaption()
    {
        QCOMPARE(vintora::os::versionCaption(QStringLiteral("Версия "), QStringLiteral("5.8.07901534"), QDate(2015, 12, 11)),
                 QStringLiteral("Версия 5.8.07901534 от 11.12.2015"));
        QCOMPARE(vintora::os::versionCaption(QStringLiteral("Версия "), QStringLiteral("0.0.0.0"), QDate(2015, 12, 11)),
                 QStringLiteral("Версия "));
        QVERIFY(getVersionCaption(QStringLiteral("Версия "), true).startsWith(QStringLiteral("Версия 5.8.07901534 от ")));
    }

    void uninstallEntryComparesAsText()
    {
        QSettings store(m_dir.filePath(QStringLiteral("uninstall.ini")), QSettings::IniFormat);
        store.setValue(QStringLiteral("DisplayVersion"), QStringLiteral("5.8.07901534"));
        QVERIFY(!updateUninstallEntry(store, QStringLiteral("5.10.00100001"))); // "5.8" > "5.1" as text
        QVERIFY(updateUninstallEntry(store, QStringLiteral("5.9.00000001")));
        QCOMPARE(store.value(QStringLiteral("DisplayVersion")).toString(), QStringLiteral("5.9.00000001"));
        QCOMPARE(store.value(QStringLiteral("Publisher")).toString(), QStringLiteral("Korvalen"));
        QCOMPARE(store.value(QStringLiteral("InstallDate")).toString(), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    }

    void rememberedValues()
    {
        const QVariantList values{42, 2.5, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)), true, QStringLiteral("ё"), QVariant()};
        const QVariantList back = decodeValues(encodeValues(values));
        QCOMPARE(back.size(), values.size());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(back[i], values[i]);
        QVERIFY(back[5].isNull());
        // A damaged tail: the values before it survive, the rest fall back.
        QByteArray cut = encodeValues(values);
        cut.chop(cut.size() / 2);
        QVERIFY(decodeValues(cut).size() < values.size());
        QVERIFY(decodeValues(QByteArray("\x7f garbage", 9)).isEmpty());
    }

    void registryValues()
    {
        programSettings()->setValue(QStringLiteral("Test/Count"), QStringLiteral("12"));
        QCOMPARE(readRegistryValue(QStringLiteral("Test"), QStringLiteral("Count"), 0).toInt(), 12);
        QCOMPARE(readRegistryValue(QStringLiteral("Test"), QStringLiteral("Missing"), QStringLiteral("d")).toString(), QStringLiteral("d"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 readRegistryValue(QStringLiteral("Test"), QStringLiteral("Count"), QVariant(QSize())));
    }
};

QTEST_GUILESS_MAIN(TestOsHelpers)
#include "test_oshelpers.moc"
