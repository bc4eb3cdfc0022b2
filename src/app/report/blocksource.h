#pragma once

#include <QIODevice>
#include <QString>

#include <optional>
#include <vector>

#include <zlib.h>

namespace tallywick {

// The bytes of a report, a block at a time, as they are searched: a file's own, or inflated.
class BlockSource {
public:
    virtual ~BlockSource() = default;
    // Fills into with up to capacity bytes: how many, 0 at the end, -1 on failure.
    virtual qint64 read(char* into, qint64 capacity) = 0;
    // Why read() failed.
    virtual QString errorString() const = 0;
    // How many bytes of the file have been read: what the progress is measured in.
    virtual qint64 fileRead() const = 0;
};

class DeviceSource final : public BlockSource {
public:
    explicit DeviceSource(QIODevice& device) : device_(device) {}
    qint64 read(char* into, qint64 capacity) override;
    QString errorString() const override { return device_.errorString(); }
    qint64 fileRead() const override { return read_; }

private:
    QIODevice& device_;
    qint64 read_ = 0;
};

// A gzip file inflated: several concatenated members are read one after another, and zero bytes
// that pad the last one are passed over, as gzip does.
class GzipSource final : public BlockSource {
public:
    explicit GzipSource(QIODevice& device);
    GzipSource(const GzipSource&) = delete;
    GzipSource& operator=(const GzipSource&) = delete;
    ~GzipSource() override;

    qint64 read(char* into, qint64 capacity) override;
    QString errorString() const override { return error_; }
    qint64 fileRead() const override { return fileRead_; }

private:
    // Hands over what this read made before the failure, and fails the next one.
    qint64 fail(const QString& why, qint64 produced);

    QIODevice& device_;
    z_stream stream_{};
    bool started_ = false;
    std::vector<char> input_;
    bool inputEnded_ = false;
    bool memberOpen_ = false;  // inside a gzip member that has not ended yet
    bool memberEnded_ = false; // at least one member was read to its end
    bool padded_ = false;      // zero bytes followed the last member (a block device's padding)
    std::optional<QString> failure_;
    QString error_;
    qint64 fileRead_ = 0;
};

} // namespace tallywick
