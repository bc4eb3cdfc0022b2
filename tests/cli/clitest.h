#pragma once

// Runs tallywick-cli in-process on a data folder and a settings file of its own.

#include "app/settings/settingsstore.h"
#include "cli/cli.h"
#include "support/storetesting.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tallywick::testing {

// JSON without the spaces and line breaks between its tokens. Compared with a compact literal it
// checks every key, in order, and every value; the layout itself is pinned once, in view_test.
inline std::string CompactJson(const std::string& json)
{
    std::string compact;
    bool inText = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inText && c == '\\') {
            compact += json.substr(i++, 2);
            continue;
        }
        if (c == '"')
            inText = !inText;
        if (inText || (c != ' ' && c != '\n'))
            compact += c;
    }
    return compact;
}

// A text as JSON writes it when it holds no byte to escape but quotes.
inline std::string QuotesEscaped(std::string text)
{
    for (std::size_t quote = 0; (quote = text.find('"', quote)) != std::string::npos; quote += 2)
        text.insert(quote, "\\");
    return text;
}

// The lines as the program writes its data files: each ends with CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    QString dataDir() const { return dir_.filePath(QStringLiteral("data")); }
    QString dataFile(const char* name) const { return QDir(dataDir()).filePath(QString::fromUtf8(name)); }
    QString configPath() const { return config_.isEmpty() ? dir_.filePath(QStringLiteral("Tallywick.ini")) : config_; }
    void useConfig(const QString& path) { config_ = path; }
    // A file of the test's own, beside the data folder.
    QString writeFile(const QString& name, const std::string& bytes) const
    {
        WriteBytes(dir_.filePath(name), bytes);
        return dir_.filePath(name);
    }

    void setting(const char* key, const char* value) const
    {
        SettingsStore(configPath()).write(QString::fromUtf8(key), QString::fromUtf8(value));
    }
    QString storedSetting(const char* key) const
    {
        return SettingsStore(configPath()).read(QString::fromUtf8(key), QStringLiteral("<absent>"));
    }

    CliRun run(const QStringList& arguments, ReportOpener openReport = OpenReportFile) const
    {
        return runCli(
            QStringList{QStringLiteral("tallywick-cli")} + arguments +
                QStringList{QStringLiteral("--data-dir"), dataDir(), QStringLiteral("--config"), configPath()},
            std::move(openReport));
    }

    // The same with arguments as bytes, as the program gets them from the system.
    CliRun runBytes(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), "tallywick-cli");
        for (const QString& common :
             {QStringLiteral("--data-dir"), dataDir(), QStringLiteral("--config"), configPath()})
            arguments.push_back(common.toStdString());
        return runCli(cli::Arguments::fromBytes(std::move(arguments)), OpenReportFile);
    }

    template <typename Arguments>
    CliRun runCli(Arguments arguments, ReportOpener openReport) const
    {
        std::ostringstream out;
        std::ostringstream err;
        cli::Environment env{out, err, std::move(openReport), loadRobots_};
        const int code = cli::RunCli(std::move(arguments), env);
        return {code, out.str(), err.str()};
    }

    QTemporaryDir dir_;
    QString config_;
    std::function<LoadedRobots()> loadRobots_ = cli::LoadRobotsBesideProgram;
};

} // namespace tallywick::testing
