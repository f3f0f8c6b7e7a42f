// Any bytes through the tag and stream readers, both from memory and through a device: no crash,
// no hang, no read outside the bytes.
#include "audio/tmpegaudio.h"
#include "audio/boundeddevice.h" // tests/audio

#include <cstdint>
#include <cstdlib>

using namespace vintora::audio;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    TByteSource memory(bytes);
    TMPEGaudio mpeg;
    mpeg.ReadFromSource(memory);
    volatile double d = mpeg.Duration();
    (void)d;
    (void)mpeg.BitRate();
    (void)mpeg.DurationText();
    (void)mpeg.Encoder();
    (void)mpeg.TagVersion();

    fixtures::BoundedDevice device(bytes);
    TByteSource source(&device);
    TID3v2 v2;
    v2.ReadFromSource(source);
    TID3v1 v1;
    v1.ReadFromSource(source);
    mpeg.ReadFromSource(source);
    if (device.outside() || device.largestRequest() > qint64(size))
        abort();
    return 0;
}
