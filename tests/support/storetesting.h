#pragma once

// Files for tests of the data files: their bytes, and disks that fail part-way.

#include "app/store/linesfile.h"

#include <QFile>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <string>

namespace tallywick::testing {

inline std::string FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
}

inline void WriteBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A save whose disk fills up after failAfter bytes.
class FailingSaveFile : public QSaveFile {
public:
    FailingSaveFile(const QString& path, qint64 failAfter) : QSaveFile(path), left_(failAfter) {}

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (length > left_) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        left_ -= length;
        return QSaveFile::writeData(data, length);
    }

private:
    qint64 left_;
};

inline SaveFileOpener FailAfter(qint64 bytes)
{
    return [bytes](const QString& path) { return std::make_unique<FailingSaveFile>(path, bytes); };
}

// A file whose disk fails after it served its first bytes.
class FailingReadDevice : public QIODevice {
public:
    explicit FailingReadDevice(std::string served) : served_(std::move(served))
    {
        open(QIODevice::ReadOnly);
        setErrorString(QStringLiteral("Input/output error"));
    }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        if (served_.empty())
            return -1;
        const auto n = std::min(static_cast<std::size_t>(size), served_.size());
        std::memcpy(data, served_.data(), n);
        served_.erase(0, n);
        return static_cast<qint64>(n);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::string served_;
};

} // namespace tallywick::testing
