#pragma once

#include "app/store/linesfile.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The folder of the data folder that keeps the records the history removed for age.
inline constexpr const char* kArchiveFolderName = "archive";

struct ArchiveRead {
    std::vector<std::string> records; // every month's records, oldest month first
    QStringList errors;               // months that could not be read to their end
};

struct ArchiveAdd {
    std::size_t added = 0;                        // records new to the archive
    std::vector<std::string> newlyArchived;       // those records, as written
    std::vector<std::string> notArchived;         // records of the months that could not be written
    std::vector<std::chrono::year_month> refused; // those months, ascending
    QString error;                                // why (when notArchived is not empty)

    // The record is dated in a month that could not be written.
    bool isRefused(std::string_view record) const;
};

// One "yyyy-mm.dat" per calendar month, in the history's own line format (each record followed
// by CR LF), each replaced atomically. Other files in the folder are left alone.
class ArchiveFolder {
public:
    explicit ArchiveFolder(QString path);
    // The archive of the data folder that holds historyPath.
    static ArchiveFolder besideHistory(const QString& historyPath);

    const QString& path() const { return path_; }

    // A folder that does not exist yet is an empty archive.
    ArchiveRead readAll() const;

    // Merges the records into their months without repeats (a record already archived is not
    // added again). A month whose file exists but cannot be read is not replaced: the records
    // for it are handed back as not archived.
    ArchiveAdd add(const std::vector<std::string>& records, const SaveFileOpener& open = OpenSaveFile) const;

private:
    QString path_;
};

} // namespace tallywick
