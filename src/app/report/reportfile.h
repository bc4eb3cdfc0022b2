#pragma once

#include "core/search/reportsearch.h"

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

using ChunkSink = std::function<void(std::string_view)>;

// Feeds the bytes of device to sink in large blocks, inflating them first when gzip is set
// (several concatenated gzip members are read one after another, as gzip does). Returns the
// reason when reading fails part-way.
std::optional<QString> ReadReport(QIODevice& device, bool gzip, const ChunkSink& sink);

// A report whose name ends in ".gz" is read decompressed.
bool IsCompressedReport(const QString& path);

// Opens a report file for reading; tests put a failing device in its place.
using ReportOpener = std::function<std::unique_ptr<QIODevice>(const QString& path)>;
std::unique_ptr<QIODevice> OpenReportFile(const QString& path);

struct ReportFileSearch {
    enum class Status { Done, NotFound, Failed };
    Status status = Status::Done;
    QString error;         // why the search failed (Failed only)
    SearchOutcome outcome; // Done only; otherwise the collected hits passed in, untouched
};

// The search of one report file: NotFound for whatever FileExists rejects, Failed when the file
// cannot be read to its end.
ReportFileSearch SearchReportFile(const QString& path, const SearchRequest& request,
                                  const std::vector<std::string>& trackedItems, CollectedHits collected,
                                  const ReportOpener& open = OpenReportFile);

} // namespace tallywick
