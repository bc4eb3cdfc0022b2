#include "cli/outputbuffer.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace tallywick::cli {

OutputBuffer::OutputBuffer(int descriptor) : descriptor_(descriptor)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
#ifdef F_SETPIPE_SZ
    // A pipe of the default 64 KiB makes a large output wait on its reader at every 64 KiB; one of
    // 1 MiB (what any user may ask for by default) lets both run. Anything else refuses, unharmed.
    ::fcntl(descriptor_, F_SETPIPE_SZ, 1 << 20);
#endif
}

OutputBuffer::~OutputBuffer()
{
    drain();
}

bool OutputBuffer::writeOut(const char* data, std::size_t size)
{
    if (error_ != 0)
        return false;
    while (size > 0) {
        const ssize_t written = ::write(descriptor_, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool OutputBuffer::drain()
{
    const bool written = writeOut(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type ch)
{
    if (!drain())
        return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof()))
        return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
}

std::streamsize OutputBuffer::xsputn(const char* data, std::streamsize size)
{
    const auto room = epptr() - pptr();
    if (size <= room) {
        std::memcpy(pptr(), data, static_cast<std::size_t>(size));
        pbump(static_cast<int>(size));
        return size;
    }
    // A large block goes out directly rather than through the buffer.
    if (!drain() || !writeOut(data, static_cast<std::size_t>(size)))
        return 0;
    return size;
}

int OutputBuffer::sync()
{
    return drain() ? 0 : -1;
}

} // namespace tallywick::cli
