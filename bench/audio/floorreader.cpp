#include "floorreader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>

int FloorReader::read(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    ::fstat(fd, &st);
    const long long size = st.st_size;
    int reads = 0;
    unsigned char head[10] = {};
    ++reads;
    long long tag = 0;
    if (::pread(fd, head, 10, 0) == 10 && head[0] == 'I' && head[1] == 'D' && head[2] == '3') {
        tag = (long long)head[6] << 21 | head[7] << 14 | head[8] << 7 | head[9];
        if (tag + 10 <= size) {
            std::unique_ptr<unsigned char[]> body(new unsigned char[static_cast<size_t>(tag) + 1]);
            ++reads;
            if (::pread(fd, body.get(), static_cast<size_t>(tag), 10) > 0)
                m_sum += body[0];
            tag += 10;
        } else {
            tag = 0;
        }
    }
    unsigned char block[3458];
    if (size >= 128) {
        ++reads;
        if (::pread(fd, block, 128, size - 128) == 128)
            m_sum += block[0];
    }
    ++reads;
    if (::pread(fd, block, sizeof block, tag) > 0)
        m_sum += block[0];
    ::close(fd);
    return reads;
}
