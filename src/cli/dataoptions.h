#pragma once

#include "app/files/datafolder.h"
#include "app/files/datafolderlock.h"
#include "cli/options.h"

#include <QString>

#include <memory>
#include <optional>

namespace tallywick {
class SettingsStore;
}

namespace tallywick::cli {

// The data folder that --data-dir (or $TALLYWICK_DATA_DIR) names.
DataFolder DataFolderOf(const CommandLine& line);

// The settings file that --config (or $TALLYWICK_CONFIG) names.
QString SettingsPathOf(const CommandLine& line);

// The settings for a run, from the file that --config (or $TALLYWICK_CONFIG) names. Nothing,
// after saying why on stderr, when that file exists but cannot be read: every default in its
// place would be a silent wrong answer. Each setting whose stored bytes are not UTF-8 gets one
// warning.
std::unique_ptr<SettingsStore> OpenSettings(const CommandLine& line, const QString& command, Environment& env);

// Takes the data-folder lock for a writing command's run. Nothing when it holds; otherwise the
// exit status, after saying why on stderr.
std::optional<int> LockDataFolder(DataFolderLock& lock, const QString& command, Environment& env);

// --time-limit, 1 to 24 months; nothing when absent, the exit status when it is bad.
struct TimeLimitOption {
    std::optional<int> months;
    std::optional<int> exitCode;
};
TimeLimitOption ReadTimeLimitOption(CommandLine& line, Environment& env);

// --split-time, a whole number of minutes up to 100 years; nothing when absent, the exit status when it is bad.
struct SplitTimeOption {
    std::optional<std::int64_t> minutes;
    std::optional<int> exitCode;
};
SplitTimeOption ReadSplitTimeOption(CommandLine& line, Environment& env);

} // namespace tallywick::cli
