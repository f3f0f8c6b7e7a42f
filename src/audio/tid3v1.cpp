#include "audio/tid3v1.h"

#include "audio/id3text.h"

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

// Up to the first zero, trailing codes 0..32 removed. Windows-1251 keeps the bytes below 128 as they
// are and maps none above to a blank, so the bytes are trimmed before they are converted.
QString field(const char* p, int len)
{
    int n = 0;
    while (n < len && p[n] != 0)
        ++n;
    while (n > 0 && uchar(p[n - 1]) <= 32)
        --n;
    return ID3Text::fromCp1251(p, n);
}

} // namespace

void TID3v1::ResetData()
{
    *this = TID3v1();
}

bool TID3v1::ReadFromFile(const QString& fileName)
{
    ResetData();
    TByteSource source(fileName);
    return source.isOpen() && ReadFromSource(source);
}

bool TID3v1::ReadFromSource(TByteSource& source)
{
    ResetData();
    if (source.size() < TagSize)
        return false;
    const QByteArrayView block = source.view(source.size() - TagSize, TagSize);
    if (source.failed())
        return false;
    return ReadFromBlock(block);
}

bool TID3v1::ReadFromBlock(QByteArrayView block)
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
