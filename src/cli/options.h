#pragma once

#include "cli/argumentbytes.h"
#include "cli/cli.h"

#include <QCommandLineParser>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallywick::cli {

// The options every subcommand takes (--data-dir, --config, --today, --json) on top of its own.
class CommandLine {
public:
    CommandLine(QString command, QString synopsis, QString help);

    QCommandLineParser& parser() { return parser_; }

    // Parses arguments (program name and subcommand first). False when the run is over:
    // --help was shown, or an error was reported; exitCode() then tells the status.
    bool parse(const Arguments& arguments, Environment& env);
    int exitCode() const { return exitCode_; }

    // Reports a usage error and returns its exit status.
    int usageError(Environment& env, const QString& message) const;

    bool json() const { return parser_.isSet(QStringLiteral("json")); }
    QString dataDir() const { return parser_.value(QStringLiteral("data-dir")); }
    QString config() const { return parser_.value(QStringLiteral("config")); }
    // The values of an option and the positional arguments as the bytes they were given in.
    std::vector<std::string> valueBytes(const QString& name) const;
    std::vector<std::string> positionalBytes() const;

    // --today as given; absent means the clock's date.
    std::optional<std::chrono::sys_days> today() const { return today_; }

private:
    QString command_;
    QString synopsis_;
    QString help_;
    QCommandLineParser parser_;
    std::optional<std::chrono::sys_days> today_;
    ArgumentBytes bytes_;
    int exitCode_ = kExitOk;
};

std::optional<std::int64_t> ParseInteger(const QString& text);
// "YYYY-MM-DD"
std::optional<std::chrono::sys_days> ParseIsoDate(const QString& text);

// The bytes of a command-line text as the engine compares them (UTF-8).
std::string Bytes(const QString& text);

} // namespace tallywick::cli
