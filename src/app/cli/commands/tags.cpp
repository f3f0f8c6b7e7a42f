// vintora-cli tags [--json] FILE...: what the tag and stream readers make of MP3 files.
#include "audio/tmpegaudio.h"
#include "cli/cliutil.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace vintora::cli {

namespace {

using audio::TMPEGaudio;

QJsonObject toJson(const QString& file, bool ok, const TMPEGaudio& m)
{
    const audio::TID3v1& v1 = m.ID3v1;
    const audio::TID3v2& v2 = m.ID3v2;
    return QJsonObject{
        {QStringLiteral("file"), file},
        {QStringLiteral("ok"), ok},
        {QStringLiteral("tag_version"), m.TagVersion()},
        {QStringLiteral("file_length"), double(m.FileLength)},
        {QStringLiteral("bitrate"), int(m.BitRate())},
        {QStringLiteral("duration"), m.Duration()},
        {QStringLiteral("duration_text"), m.DurationText()},
        {QStringLiteral("encoder_id"), m.EncoderID()},
        {QStringLiteral("encoder"), m.Encoder()},
        {QStringLiteral("vbr"),
         QJsonObject{{QStringLiteral("found"), m.VBR.Found},
                     {QStringLiteral("id"), m.VBR.ID},
                     {QStringLiteral("frames"), double(m.VBR.Frames)},
                     {QStringLiteral("bytes"), double(m.VBR.Bytes)},
                     {QStringLiteral("scale"), int(m.VBR.Scale)},
                     {QStringLiteral("vendor"), m.VBR.VendorID}}},
        {QStringLiteral("frame"),
         QJsonObject{{QStringLiteral("found"), m.Frame.Found},
                     {QStringLiteral("position"), double(m.Frame.Position)},
                     {QStringLiteral("size"), int(m.Frame.Size)},
                     {QStringLiteral("version_id"), int(m.Frame.VersionID)},
                     {QStringLiteral("layer_id"), int(m.Frame.LayerID)},
                     {QStringLiteral("mode_id"), int(m.Frame.ModeID)},
                     {QStringLiteral("sample_rate"), m.Frame.SampleRate()}}},
        {QStringLiteral("id3v1"),
         QJsonObject{{QStringLiteral("exists"), v1.Exists},
                     {QStringLiteral("version"), v1.Exists ? v1.Version() : QString()},
                     {QStringLiteral("title"), v1.Title},
                     {QStringLiteral("artist"), v1.Artist},
                     {QStringLiteral("album"), v1.Album},
                     {QStringLiteral("year"), v1.Year},
                     {QStringLiteral("track"), int(v1.Track)},
                     {QStringLiteral("genre"), v1.Genre()}}},
        {QStringLiteral("id3v2"),
         QJsonObject{{QStringLiteral("exists"), v2.Exists},
                     {QStringLiteral("version"), v2.Exists ? v2.Version() : QString()},
                     {QStringLiteral("size"), double(v2.Size)},
                     {QStringLiteral("title"), v2.Title},
                     {QStringLiteral("artist"), v2.Artist},
                     {QStringLiteral("album"), v2.Album},
                     {QStringLiteral("year"), v2.Year},
                     {QStringLiteral("track"), int(v2.Track)},
                     {QStringLiteral("genre"), v2.Genre},
                     {QStringLiteral("composer"), v2.Composer},
                     {QStringLiteral("original_artist"), v2.OriginalArtist},
                     {QStringLiteral("lyrics"), v2.Lyrics}}},
    };
}

void printTable(const QString& file, bool ok, const TMPEGaudio& m)
{
    auto row = [](const QString& name, const QString& value) {
        printLine(QStringLiteral("  %1 %2").arg(name + QLatin1Char(':'), -16).arg(value));
    };
    auto num = [](qint64 v) { return QString::number(v); };
    printLine(file + (ok ? QString() : QStringLiteral("  (not readable)")));
    row(QStringLiteral("Tag version"), m.TagVersion());
    row(QStringLiteral("File length"), num(m.FileLength));
    if (m.Frame.Found) {
        row(QStringLiteral("Bit rate"), num(m.BitRate()) + QStringLiteral(" kbit/s") +
                                (m.VBR.Found ? QStringLiteral(" (VBR, %1)").arg(m.VBR.ID) : QString()));
        row(QStringLiteral("Duration"), QStringLiteral("%1 (%2 s)").arg(m.DurationText()).arg(m.Duration(), 0, 'f', 3));
        row(QStringLiteral("Encoder"), m.Encoder());
        row(QStringLiteral("Frame"), QStringLiteral("at %1, %2 bytes, %3 Hz, version %4, layer %5, mode %6")
                             .arg(m.Frame.Position)
                             .arg(m.Frame.Size)
                             .arg(m.Frame.SampleRate())
                             .arg(m.Frame.VersionID)
                             .arg(m.Frame.LayerID)
                             .arg(m.Frame.ModeID));
    } else {
        row(QStringLiteral("Frame"), QStringLiteral("none found"));
    }
    const audio::TID3v2& v2 = m.ID3v2;
    if (v2.Exists) {
        row(QStringLiteral("ID3v2"), v2.Version() + QStringLiteral(", %1 bytes").arg(v2.Size));
        const std::pair<const char*, QString> fields[] = {
            {"Title", v2.Title},       {"Artist", v2.Artist},     {"Album", v2.Album},
            {"Year", v2.Year},         {"Track", num(v2.Track)},  {"Genre", v2.Genre},
            {"Composer", v2.Composer}, {"Orig. artist", v2.OriginalArtist},
            {"Lyrics", v2.Lyrics.isEmpty() ? QString() : QStringLiteral("%1 characters").arg(v2.Lyrics.size())}};
        for (const auto& [name, value] : fields)
            row(QStringLiteral("  ") + QLatin1String(name), value);
    }
    const audio::TID3v1& v1 = m.ID3v1;
    if (v1.Exists) {
        row(QStringLiteral("ID3v1"), v1.Version());
        const std::pair<const char*, QString> fields[] = {
            {"Title", v1.Title}, {"Artist", v1.Artist},     {"Album", v1.Album},
            {"Year", v1.Year},   {"Track", num(v1.Track)}, {"Genre", v1.Genre()}};
        for (const auto& [name, value] : fields)
            row(QStringLiteral("  ") + QLatin1String(name), value);
    }
}

} // namespace

int command_tags(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool json = takeFlag(args, QStringLiteral("json"));
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("tags: unknown option %1").arg(a)};
    }
    if (args.isEmpty())
        throw UsageError{QStringLiteral("usage: vintora-cli tags [--json] FILE...")};
    int failures = 0;
    TMPEGaudio mpeg;
    for (const QString& file : args) {
        const bool ok = QFileInfo(file).isFile() && mpeg.ReadFromFile(file);
        if (!ok) {
            ++failures;
            if (!json)
                printError(QStringLiteral("cannot read %1").arg(file));
        }
        if (json)
            printLine(QString::fromUtf8(QJsonDocument(toJson(file, ok, mpeg)).toJson(QJsonDocument::Compact)));
        else
            printTable(file, ok, mpeg);
    }
    return failures ? 1 : 0;
}

} // namespace vintora::cli
