#pragma once

#include <QString>

#include <optional>
#include <string>

namespace tallywick {

struct TextFileRead {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    std::string bytes;
    QString error;
};

// Reads a whole data file; a missing file is not an error but its own status.
TextFileRead ReadTextFile(const QString& path);

} // namespace tallywick
