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
    // An option of the command's own that names a file: parse() refuses it when its bytes are
    // not UTF-8, as it does --data-dir and --config.
    void namesFile(const QString& option) { fileOptions_.append(option); }

    // Parses arguments (program name and subcommand first). False when the run is over:
    // --help was shown, or an error was reported; exitCode() then tells the status. A file or
    // folder named by bytes that are not UTF-8 (an option's, or $TALLYWICK_DATA_DIR's or
    // $TALLYWICK_CONFIG's in their place) is an error: its text would name another one.
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
    QStringList fileOptions_{QStringLiteral("data-dir"), QStringLiteral("config")};
    int exitCode_ = kExitOk;
};

// The positional arguments as reports, named by the bytes they were given in.
ReportPaths ReportsGiven(const CommandLine& line);

std::optional<std::int64_t> ParseInteger(const QString& text);
// "YYYY-MM-DD"
std::optional<std::chrono::sys_days> ParseIsoDate(const QString& text);

// The bytes of a command-line text as the engine compares them (UTF-8).
std::string Bytes(const QString& text);

} // namespace tallywick::cli
