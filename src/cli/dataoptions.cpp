#include "cli/dataoptions.h"

#include "app/settings/settingsstore.h"
#include "core/search/reportsearch.h"

#include <QDir>

namespace tallywick::cli {

DataFolder DataFolderOf(const CommandLine& line)
{
    return DataFolder::fromOption(line.dataDir());
}

QString SettingsPathOf(const CommandLine& line)
{
    const QString config = line.config();
    return config.isEmpty() ? SettingsStore::defaultPath() : config;
}

std::unique_ptr<SettingsStore> OpenSettings(const CommandLine& line, const QString& command, Environment& env)
{
    auto settings = std::make_unique<SettingsStore>(SettingsPathOf(line));
    const std::string name = "tallywick-cli " + command.toStdString();
    const std::string file = QDir::toNativeSeparators(settings->path()).toStdString();
    if (const auto& problem = settings->readProblem()) {
        env.err << name << ": the settings file " << file << " cannot be read (" << problem->toStdString()
                << "); nothing was written.\n";
        return nullptr;
    }
    for (const QString& key : settings->keysNotUtf8())
        env.err << name << ": warning: the setting \"" << key.toStdString() << "\" in " << file
                << " holds bytes that are not UTF-8; they are left out when it is read, and lost when the file is next "
                   "written.\n";
    return settings;
}

std::optional<int> LockDataFolder(DataFolderLock& lock, const QString& command, Environment& env)
{
    const auto status = lock.tryLock();
    if (status == DataFolderLock::Status::Locked)
        return std::nullopt;
    env.err << "tallywick-cli " << command.toStdString() << ": " << lock.message().toStdString()
            << " Nothing was written.\n";
    return status == DataFolderLock::Status::Busy ? kExitLocked : kExitFailed;
}

TimeLimitOption ReadTimeLimitOption(CommandLine& line, Environment& env)
{
    TimeLimitOption option;
    const QString name = QStringLiteral("time-limit");
    if (!line.parser().isSet(name))
        return option;
    const auto months = ParseInteger(line.parser().value(name));
    if (!months || *months < keys::TimeLimit.min || *months > keys::TimeLimit.max) {
        option.exitCode =
            line.usageError(env, QStringLiteral("--time-limit wants a whole number of months from %1 to %2")
                                     .arg(keys::TimeLimit.min)
                                     .arg(keys::TimeLimit.max));
        return option;
    }
    option.months = static_cast<int>(*months);
    return option;
}

SplitTimeOption ReadSplitTimeOption(CommandLine& line, Environment& env)
{
    SplitTimeOption option;
    const QString name = QStringLiteral("split-time");
    if (!line.parser().isSet(name))
        return option;
    option.minutes = ParseInteger(line.parser().value(name));
    if (!option.minutes || *option.minutes > kLongestSplitTime || *option.minutes < -kLongestSplitTime) {
        option.exitCode =
            line.usageError(env, QStringLiteral("--split-time wants a whole number of minutes, at most %1 (100 years)")
                                     .arg(kLongestSplitTime));
        option.minutes.reset();
    }
    return option;
}

} // namespace tallywick::cli
