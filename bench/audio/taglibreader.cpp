#include "taglibreader.h"

#include <taglib/audioproperties.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>

namespace {

// Counts TagLib's reads of the file.
class CountingStream : public TagLib::FileStream {
public:
    explicit CountingStream(TagLib::FileName name) : TagLib::FileStream(name, true) {}
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        ++reads;
        return TagLib::FileStream::readBlock(length);
    }
    int reads = 0;
};

QString qs(const TagLib::String& s)
{
    return QString::fromStdWString(s.toWString());
}

QString frameText(TagLib::ID3v2::Tag* tag, const char* id)
{
    const auto& map = tag->frameListMap();
    const auto it = map.find(id);
    if (it == map.end() || it->second.isEmpty())
        return {};
    return qs(it->second.front()->toString());
}

} // namespace

TagLibResult TagLibReader::read(const QString& path, bool withFrames)
{
    TagLibResult r;
    const QByteArray name = path.toLocal8Bit();
    CountingStream stream(name.constData());
    if (!stream.isOpen())
        return r;
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), true,
                            TagLib::AudioProperties::Average);
    r.ok = file.isValid();
    if (r.ok) {
        r.hasID3v2 = file.hasID3v2Tag();
        r.hasID3v1 = file.hasID3v1Tag();
        TagLib::Tag* tag = file.tag();
        r.title = qs(tag->title());
        r.artist = qs(tag->artist());
        r.album = qs(tag->album());
        r.genre = qs(tag->genre());
        r.year = tag->year();
        r.track = tag->track();
        if (withFrames && r.hasID3v2) {
            TagLib::ID3v2::Tag* v2 = file.ID3v2Tag();
            r.composer = frameText(v2, "TCOM");
            r.originalArtist = frameText(v2, "TOPE");
            r.lyrics = frameText(v2, "USLT");
        }
        if (const auto* p = file.audioProperties()) {
            r.lengthMs = p->lengthInMilliseconds();
            r.bitrate = p->bitrate();
        }
    }
    r.reads = stream.reads;
    return r;
}
