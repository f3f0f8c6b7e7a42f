// Reads a folder of MP3 files with the Vintora readers, with TagLib and with a floor reader that
// only makes the planned reads; prints files per second and reads per file for each, then how the
// fields and durations of the Vintora readers compare with TagLib's.
//
//   bench_audio_readers FOLDER [--rounds N] [--examples N] [--only floor|vintora|taglib]
//
// --only times one reader and skips the comparison, so a profiler sees that reader alone.
#include "floorreader.h"
#include "taglibreader.h"

#include "audio/tmpegaudio.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>

using vintora::audio::TMPEGaudio;

namespace {

QTextStream out(stdout);

struct Timing {
    double seconds = 1e30;
    long long reads = 0;
};

// Best of rounds, so a busy moment of the machine does not count.
Timing timeIt(const QStringList& files, int rounds, const std::function<int(const QString&)>& readOne)
{
    Timing best;
    for (int r = 0; r < rounds; ++r) {
        long long reads = 0;
        QElapsedTimer t;
        t.start();
        for (const QString& f : files)
            reads += readOne(f);
        const double s = t.nsecsElapsed() / 1e9;
        if (s < best.seconds)
            best = {s, reads};
    }
    return best;
}

void printTiming(const char* name, const Timing& t, qsizetype files, const Timing* base)
{
    out << QStringLiteral("%1 %2 files/s  %3 reads/file")
               .arg(QLatin1String(name), -10)
               .arg(files / t.seconds, 10, 'f', 0)
               .arg(double(t.reads) / files, 5, 'f', 2);
    if (base)
        out << QStringLiteral("  (%1 x the floor's time)").arg(t.seconds / base->seconds, 0, 'f', 2);
    out << '\n';
}

bool looksLatin1ForCyrillic(const QString& ours, const QString& theirs)
{
    auto has = [](const QString& s, char16_t lo, char16_t hi) {
        return std::any_of(s.begin(), s.end(), [&](QChar c) { return c.unicode() >= lo && c.unicode() <= hi; });
    };
    return has(ours, 0x0400, 0x04FF) && has(theirs, 0x00C0, 0x00FF);
}

struct Differences {
    QMap<QString, int> counts;
    QMap<QString, QStringList> examples;
    int maxExamples = 3;
    void add(const QString& kind, const QString& example)
    {
        ++counts[kind];
        if (examples[kind].size() < maxExamples)
            examples[kind] << example;
    }
};

void compareFile(const QString& path, Differences& diffs, int& cbrChecked, int& cbrOff, int& vbrChecked,
                 int& vbrOff)
{
    TMPEGaudio m;
    m.ReadFromFile(path);
    const TagLibResult t = TagLibReader::read(path, true);
    const QString name = QFileInfo(path).fileName();
    if (!t.ok || !m.Frame.Found) {
        if (t.ok != m.Frame.Found)
            diffs.add(QStringLiteral("file readable by one reader only"), name);
        return;
    }
    const bool v2 = m.ID3v2.Exists;
    auto field = [&](const char* what, const QString& ours, const QString& theirs, const QString& v1) {
        if (ours == theirs)
            return;
        QString kind;
        if (v2 && ours.isEmpty() && !theirs.isEmpty() && theirs == v1)
            kind = QStringLiteral("ID3v2 taken over ID3v1");
        else if (qstrcmp(what, "genre") == 0)
            kind = QStringLiteral("genre rule");
        else if (looksLatin1ForCyrillic(ours, theirs))
            kind = QStringLiteral("single-byte text read as Windows-1251");
        else if (ours == theirs.trimmed())
            kind = QStringLiteral("blanks and control characters trimmed at both ends");
        else
            kind = QStringLiteral("other");
        diffs.add(kind + QStringLiteral(" (") + QLatin1String(what) + u')',
                  QStringLiteral("%1: ours \"%2\", TagLib \"%3\"").arg(name, ours.left(40), theirs.left(40)));
    };
    const auto& a = m.ID3v2;
    const auto& b = m.ID3v1;
    if (v2 || b.Exists) {
        field("title", v2 ? a.Title : b.Title, t.title, b.Title);
        field("artist", v2 ? a.Artist : b.Artist, t.artist, b.Artist);
        field("album", v2 ? a.Album : b.Album, t.album, b.Album);
        field("genre", v2 ? a.Genre : b.Genre(), t.genre, b.Genre());
        const QString year = v2 ? a.Year : b.Year;
        field("year", year.left(4).toUInt() ? QString::number(year.left(4).toUInt()) : QString(),
              t.year ? QString::number(t.year) : QString(), b.Year);
        const unsigned track = v2 ? a.Track : b.Track;
        field("track", track ? QString::number(track) : QString(), t.track ? QString::number(t.track) : QString(),
              b.Track ? QString::number(b.Track) : QString());
    }
    if (v2) {
        field("composer", a.Composer, t.composer, {});
        field("original artist", a.OriginalArtist, t.originalArtist, {});
        field("lyrics", a.Lyrics, t.lyrics, {});
    }
    const double ours = m.Duration(), theirs = t.lengthMs / 1000.0;
    if (m.VBR.Found && m.VBR.Frames > 0) {
        ++vbrChecked;
        if (std::fabs(ours - theirs) > 0.01 * theirs) {
            ++vbrOff;
            diffs.add(QStringLiteral("VBR duration off by more than 1 %"),
                      QStringLiteral("%1: %2 s against %3 s").arg(name).arg(ours).arg(theirs));
        }
    } else {
        ++cbrChecked;
        if (std::fabs(ours - theirs) > 1.0) {
            ++cbrOff;
            diffs.add(QStringLiteral("CBR duration off by more than 1 s"),
                      QStringLiteral("%1: %2 s against %3 s").arg(name).arg(ours).arg(theirs));
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int rounds = 3, examples = 3;
    QString only;
    for (qsizetype i = 0; i + 1 < args.size();) {
        if (args[i] == QLatin1String("--rounds"))
            rounds = qMax(1, args.takeAt(i + 1).toInt()), args.removeAt(i);
        else if (args[i] == QLatin1String("--examples"))
            examples = qMax(0, args.takeAt(i + 1).toInt()), args.removeAt(i);
        else if (args[i] == QLatin1String("--only"))
            only = args.takeAt(i + 1).toLower(), args.removeAt(i);
        else
            ++i;
    }
    const QStringList readers{QStringLiteral("floor"), QStringLiteral("vintora"), QStringLiteral("taglib")};
    if (args.size() != 1 || (!only.isEmpty() && !readers.contains(only))) {
        QTextStream(stderr)
            << "usage: bench_audio_readers FOLDER [--rounds N] [--examples N] [--only floor|vintora|taglib]\n";
        return 2;
    }
    QStringList files;
    QDirIterator it(args.first(), {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    if (files.isEmpty()) {
        QTextStream(stderr) << "no MP3 files in " << args.first() << '\n';
        return 1;
    }

    // Warm the cache.
    for (const QString& f : files) {
        QFile file(f);
        if (file.open(QIODevice::ReadOnly))
            file.readAll();
    }

    out << files.size() << " files, best of " << rounds << " rounds, warm cache\n";
    if (!only.isEmpty()) {
        FloorReader floor;
        TMPEGaudio mpeg;
        std::function<int(const QString&)> readOne = [&](const QString& f) { return qMax(0, floor.read(f)); };
        if (only == readers[1])
            readOne = [&](const QString& f) { return mpeg.ReadFromFile(f), mpeg.Reads; };
        else if (only == readers[2])
            readOne = [](const QString& f) { return TagLibReader::read(f, false).reads; };
        const Timing t = timeIt(files, rounds, readOne);
        printTiming(qPrintable(only), t, files.size(), nullptr);
        return 0;
    }
    FloorReader floor;
    const Timing tf = timeIt(files, rounds, [&](const QString& f) { return qMax(0, floor.read(f)); });
    TMPEGaudio mpeg;
    const Timing tv = timeIt(files, rounds, [&](const QString& f) {
        mpeg.ReadFromFile(f);
        return mpeg.Reads;
    });
    const Timing tt = timeIt(files, rounds, [&](const QString& f) { return TagLibReader::read(f, false).reads; });
    printTiming("floor", tf, files.size(), nullptr);
    printTiming("Vintora", tv, files.size(), &tf);
    printTiming("TagLib", tt, files.size(), &tf);
    out << QStringLiteral("Vintora / TagLib: %1 x the files per second\n").arg(tt.seconds / tv.seconds, 0, 'f', 2);
    out.flush();

    Differences diffs;
    diffs.maxExamples = examples;
    int cbrChecked = 0, cbrOff = 0, vbrChecked = 0, vbrOff = 0;
    for (const QString& f : files)
        compareFile(f, diffs, cbrChecked, cbrOff, vbrChecked, vbrOff);
    out << QStringLiteral("durations: %1 CBR files, %2 off by more than 1 s; %3 VBR-header files, %4 off by more than 1 %\n")
               .arg(cbrChecked)
               .arg(cbrOff)
               .arg(vbrChecked)
               .arg(vbrOff);
    out << (diffs.counts.isEmpty() ? "fields: all agree with TagLib\n" : "differences from TagLib, by kind:\n");
    for (auto i = diffs.counts.cbegin(); i != diffs.counts.cend(); ++i) {
        out << QStringLiteral("  %1: %2 files\n").arg(i.key()).arg(i.value());
        for (const QString& e : diffs.examples.value(i.key()))
            out << "      " << e << '\n';
    }
    return 0;
}
