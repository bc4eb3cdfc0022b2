#include "cli/cli.h"

#include "cli/commands.h"

#include <array>
#include <new>

namespace tallywick::cli {
namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList&, Environment&);
};

const std::array kCommands = {
    Command{"search", "Count the downloads in one report, as the main window does.", RunSearch},
    Command{"record", "Record the new downloads of one report in the history.", RunRecord},
    Command{"track", "List, add or remove the tracked items.", RunTrack},
    Command{"view", "Show a history view: history, daily, zero-days, monthly, weekday, by-file.", RunView},
};

void WriteUsage(std::ostream& out)
{
    out << "Usage: tallywick-cli COMMAND [options]\n\n"
           "Tallywick without windows: the same engine, data folder and settings as the desktop\n"
           "program. Every command takes --data-dir DIR, --config FILE, --today YYYY-MM-DD and\n"
           "--json; \"tallywick-cli COMMAND --help\" describes a command and its JSON output.\n\n"
           "Commands:\n";
    for (const auto& command : kCommands)
        out << "  " << command.name << std::string(12 - std::string_view(command.name).size(), ' ') << command.summary
            << '\n';
}

} // namespace

int RunCli(const QStringList& arguments, Environment& env)
{
    if (arguments.size() < 2) {
        WriteUsage(env.err);
        return kExitUsage;
    }
    const QString name = arguments.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        WriteUsage(env.out);
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
