#include "cli/cli.h"

#include "cli/commands.h"

#include <QCoreApplication>

#include <array>
#include <new>

// The build passes the project's version.
#ifndef TALLYWICK_VERSION
#error "TALLYWICK_VERSION comes from the build"
#endif

namespace tallywick::cli {
namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const Arguments&, Environment&);
};

const std::array kCommands = {
    Command{"search", "Count the downloads in one report or several read as one, as the main window does.", RunSearch},
    Command{"explain", "Tell what became of every line that holds a search text: why each count is what it is.",
            RunExplain},
    Command{"record", "Record the new downloads of one report or several read as one in the history.", RunRecord},
    Command{"track", "List, add or remove the tracked items.", RunTrack},
    Command{"view", "Show a history view: history, daily, zero-days, monthly, weekday, by-file, compare, sources.",
            RunView},
};

void WriteUsage(std::ostream& out)
{
    out << "Usage: tallywick-cli COMMAND [options]\n\n"
           "Tallywick without windows: the same engine, data folder and settings as the desktop\n"
           "program. Every command takes --data-dir DIR, --config FILE, --today YYYY-MM-DD and\n"
           "--json; \"tallywick-cli COMMAND --help\" describes a command and its JSON output,\n"
           "\"tallywick-cli --version\" tells the version.\n\n"
           "Commands:\n";
    for (const auto& command : kCommands)
        out << "  " << command.name << std::string(12 - std::string_view(command.name).size(), ' ') << command.summary
            << '\n';
}

} // namespace

LoadedRobots LoadRobotsBesideProgram()
{
    return LoadRobotMatcher(QCoreApplication::applicationDirPath());
}

Arguments Arguments::fromBytes(std::vector<std::string> bytes)
{
    Arguments arguments{std::move(bytes), {}};
    for (const auto& argument : arguments.bytes)
        arguments.text.append(QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size())));
    return arguments;
}

Arguments Arguments::fromText(const QStringList& text)
{
    Arguments arguments{{}, text};
    for (const auto& argument : text)
        arguments.bytes.push_back(argument.toStdString());
    return arguments;
}

int RunCli(const QStringList& arguments, Environment& env)
{
    return RunCli(Arguments::fromText(arguments), env);
}

int RunCli(const Arguments& arguments, Environment& env)
{
    if (arguments.text.size() < 2) {
        WriteUsage(env.err);
        return kExitUsage;
    }
    const QString name = arguments.text.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        WriteUsage(env.out);
        return kExitOk;
    }
    if (name == QLatin1String("--version")) {
        env.out << "tallywick-cli " << TALLYWICK_VERSION << '\n';
        return kExitOk;
    }
    for (const auto& command : kCommands) {
        if (name != QLatin1String(command.name))
            continue;
        try {
            return command.run(arguments, env);
        } catch (const std::bad_alloc&) {
            // Every file is replaced atomically, so nothing stored is half written.
            env.err << "tallywick-cli " << command.name << ": not enough memory\n";
            return kExitFailed;
        }
    }
    env.err << "tallywick-cli: unknown command \"" << name.toStdString() << "\"\n\n";
    WriteUsage(env.err);
    return kExitUsage;
}

} // namespace tallywick::cli
