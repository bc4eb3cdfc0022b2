#pragma once

#include "cli/json.h"
#include "cli/options.h"
#include "core/search/downloadcounts.h"

#include <QCommandLineOption>
#include <QList>

#include <optional>
#include <string>

namespace tallywick::cli {

// --ipv6-network-64 and --size PATH=BYTES (repeatable), as search and record take them.
QList<QCommandLineOption> CountCommandOptions();

struct CountChoice {
    bool ipv6Network64 = false;
    FileSizes sizes;
    std::optional<int> exitCode; // a --size that is no PATH=BYTES; stderr says so
};
// The options given over the settings (record's; search passes none): --size adds to the sizes
// of the setting and wins over it for its path.
CountChoice ReadCountOptions(CommandLine& line, bool ipv6Setting, FileSizes settingSizes, Environment& env);

// The text lines of a panel's counts beside "Found".
std::string PanelCountsText(const PanelDownloads& panel);
// Adds "complete", "incomplete", "size_unknown", "unique_per_day", "unique_per_hour" to a
// panel's object.
Json& SetPanelCounts(Json& panel, const PanelDownloads& counts);
// {PATH: BYTES, ...}
Json SizesJson(const FileSizes& sizes);

} // namespace tallywick::cli
