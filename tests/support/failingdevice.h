#pragma once

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <string>

namespace tallywick {

// A readable device that hands out its bytes and then ends, or fails as a disk error would
// part-way through a report; a file's, or a pipe's (sequential).
class BytesDevice : public QIODevice {
public:
    enum class End { Ends, Fails };
    enum class Kind { File, Pipe };

    explicit BytesDevice(std::string bytes, End end = End::Ends, Kind kind = Kind::File) :
        bytes_(std::move(bytes)), end_(end), kind_(kind)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return kind_ == Kind::Pipe; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (at_ >= bytes_.size() && end_ == End::Fails) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const auto n = std::min<std::size_t>(static_cast<std::size_t>(maxSize), bytes_.size() - at_);
        std::memcpy(data, bytes_.data() + at_, n);
        at_ += n;
        return static_cast<qint64>(n);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::string bytes_;
    End end_;
    Kind kind_;
    std::size_t at_ = 0;
};

class FailingDevice : public BytesDevice {
public:
    explicit FailingDevice(std::string bytes) : BytesDevice(std::move(bytes), End::Fails) {}
};

} // namespace tallywick
