#pragma once

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <string>

namespace tallywick {

// A readable device that hands out its bytes and then fails, as a disk error would part-way
// through a report.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(std::string bytes) : bytes_(std::move(bytes)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (at_ >= bytes_.size()) {
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
    std::size_t at_ = 0;
};

} // namespace tallywick
