#include "audio/tid3v1.h"

#include "audio/id3text.h"

#include <QFile>

namespace vintora::audio {

namespace {

const char* const genreNames[TID3v1::GenreCount] = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz", "Metal",
    "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno", "Industrial",
    "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop",
    "Vocal", "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental", "Acid", "House", "Game",
    "Sound Clip", "Gospel", "Noise", "AlternRock", "Bass", "Soul", "Punk", "Space", "Meditative",
    "Instrumental Pop", "Instrumental Rock", "Ethnic", "Gothic", "Darkwave", "Techno-Industrial",
    "Electronic", "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40",
    "Christian Rap", "Pop/Funk", "Jungle", "Native American", "Cabaret", "New Wave", "Psychadelic", "Rave",
    "Showtunes", "Trailer", "Lo-Fi", "Tribal", "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical",
    "Rock & Roll", "Hard Rock", "Folk", "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob",
    "Latin", "Revival", "Celtic", "Bluegrass", "Avantgarde", "Gothic Rock", "Progessive Rock",
    "Psychedelic Rock", "Symphonic Rock", "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic",
    "Humour", "Speech", "Chanson", "Opera", "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus",
    "Porn Groove", "Satire", "Slow Jam", "Club", "Tango", "Samba", "Folklore", "Ballad", "Power Ballad",
    "Rhythmic Soul", "Freestyle", "Duet", "Punk Rock", "Drum Solo", "A capella", "Euro-House",
    "Dance Hall", "Goa", "Drum & Bass", "Club-House", "Hardcore", "Terror", "Indie", "BritPop",
    "Negerpunk", "Polsk Punk", "Beat", "Christian Gangsta Rap", "Heavy Metal", "Black Metal", "Crossover",
    "Contemporary Christian", "Christian Rock", "Merengue", "Salsa", "Trash Metal", "Anime", "JPop",
    "Synthpop"};

QString field(const char* p, int len)
{
    return ID3Text::trimmedRight(ID3Text::fromCp1251(p, len));
}

} // namespace

void TID3v1::ResetData()
{
    *this = TID3v1();
}

bool TID3v1::ReadFromFile(const QString& fileName)
{
    ResetData();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    TByteSource source(&file);
    return ReadFromSource(source);
}

bool TID3v1::ReadFromSource(TByteSource& source)
{
    ResetData();
    if (source.size() < TagSize)
        return false;
    const QByteArray block = source.read(source.size() - TagSize, TagSize);
    if (source.failed())
        return false;
    return ReadFromBlock(block);
}

bool TID3v1::ReadFromBlock(const QByteArray& block)
{
    ResetData();
    if (block.size() < TagSize)
        return false;
    const char* p = block.constData();
    if (!block.startsWith("TAG"))
        return true;
    Exists = true;
    const uchar b125 = uchar(p[125]), b126 = uchar(p[126]);
    if ((b125 == 0 && b126 != 0) || (b125 == ' ' && b126 != ' '))
        VersionID = 2;
    Title = field(p + 3, 30);
    Artist = field(p + 33, 30);
    Album = field(p + 63, 30);
    Year = field(p + 93, 4);
    if (VersionID == 2)
        Track = b126;
    GenreID = uchar(p[127]);
    return true;
}

QString TID3v1::Version() const
{
    return VersionID == 2 ? QStringLiteral("ID3v1.1") : QStringLiteral("ID3v1.0");
}

QString TID3v1::GenreName(int id)
{
    if (id < 0 || id >= GenreCount)
        return {};
    return QString::fromLatin1(genreNames[id]);
}

} // namespace vintora::audio
