#include "app/searchlist/searchlistsettings.h"
#include "app/settings/settingsstore.h"
#include "app/store/trackingfile.h"
#include "cli/commands.h"
#include "cli/dataoptions.h"
#include "cli/json.h"

#include <algorithm>

namespace tallywick::cli {
namespace {

const char* const kTrackHelp =
    "Manages the tracked items (\"tracking.dat\" in the data folder), the request paths whose\n"
    "downloads go into the history, as the Tracking Options dialog does.\n"
    "\n"
    "  list         the tracked items, in their order\n"
    "  add ITEM     track ITEM too (appended; an item already tracked changes nothing)\n"
    "  remove ITEM  stop tracking ITEM\n"
    "  available    the items the dialog offers: the stored search texts of both panels, cut\n"
    "               from their first \"/\", without those already tracked\n"
    "\n"
    "add and remove hold the data folder's lock while they run.\n"
    "\n"
    "Text output: one item per line (list, available) or what changed (add, remove).\n"
    "JSON output: {\"tracked\": [ITEM, ...]} for list, add and remove (the items after the change);\n"
    "{\"available\": [ITEM, ...]} for available.\n"
    "\n"
    "Exit status: 0 done; 1 \"tracking.dat\" could not be read or written; 2 bad arguments, an\n"
    "empty item to add or an item to remove that is not tracked; 3 the data folder is in use by\n"
    "another process. Nothing is written unless it is 0.";

enum class Action { List, Add, Remove, Available };

std::optional<Action> ActionOf(const QString& name)
{
    if (name == QLatin1String("list"))
        return Action::List;
    if (name == QLatin1String("add"))
        return Action::Add;
    if (name == QLatin1String("remove"))
        return Action::Remove;
    if (name == QLatin1String("available"))
        return Action::Available;
    return std::nullopt;
}

void WriteItems(const char* key, const std::vector<std::string>& items, bool json, std::ostream& out)
{
    if (json) {
        out << Json::object().set(key, Json::texts(items)).dump();
        return;
    }
    for (const auto& item : items)
        out << item << '\n';
}

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

int RunTrack(const Arguments& arguments, Environment& env)
{
    const QString command = QStringLiteral("track");
    CommandLine line(command, QStringLiteral("[options] list | add ITEM | remove ITEM | available"),
                     QString::fromUtf8(kTrackHelp));
    auto& parser = line.parser();
    parser.addPositionalArgument(QStringLiteral("ACTION"), QStringLiteral("list, add, remove or available."));
    parser.addPositionalArgument(QStringLiteral("ITEM"), QStringLiteral("The item to add or remove."),
                                 QStringLiteral("[ITEM]"));
    if (!line.parse(arguments, env))
        return line.exitCode();
    const QStringList positional = parser.positionalArguments();
    const auto action = positional.isEmpty() ? std::nullopt : ActionOf(positional.front());
    if (!action)
        return line.usageError(env, QStringLiteral("say list, add ITEM, remove ITEM or available"));
    const bool takesItem = *action == Action::Add || *action == Action::Remove;
    if (positional.size() != (takesItem ? 2 : 1))
        return line.usageError(env, takesItem ? QStringLiteral("%1 takes exactly one ITEM").arg(positional.front())
                                              : QStringLiteral("%1 takes no ITEM").arg(positional.front()));

    const DataFolder folder = DataFolderOf(line);
    DataFolderLock lock(folder.path());
    if (takesItem) {
        if (const auto refused = LockDataFolder(lock, command, env))
            return *refused;
    }
    auto tracking = ReadTrackingFile(folder.trackingPath());
    if (tracking.status == LinesRead::Status::Failed) {
        env.err << folder.trackingPath().toStdString() << ": " << tracking.error.toStdString() << '\n';
        return kExitFailed;
    }
    std::vector<std::string>& tracked = tracking.lines;

    switch (*action) {
    case Action::List:
        WriteItems("tracked", tracked, line.json(), env.out);
        return kExitOk;
    case Action::Available: {
        const auto settings = OpenSettings(line, command, env);
        if (!settings)
            return kExitFailed;
        WriteItems("available", FillAvailableList(*settings, tracked), line.json(), env.out);
        return kExitOk;
    }
    case Action::Add:
    case Action::Remove:
        break;
    }

    const std::string item = line.positionalBytes().at(1);
    std::string message;
    if (*action == Action::Add) {
        if (item.empty()) {
            env.err << "tallywick-cli track: an empty item cannot be added; nothing was written.\n";
            return kExitUsage;
        }
        if (HoldsLineBreak(item)) {
            env.err << "tallywick-cli track: an item cannot hold a line break; nothing was written.\n";
            return kExitUsage;
        }
        if (std::find(tracked.begin(), tracked.end(), item) != tracked.end()) {
            (line.json() ? env.err : env.out) << '"' << item << "\" is already tracked; nothing changed.\n";
            if (line.json())
                WriteItems("tracked", tracked, true, env.out);
            return kExitOk;
        }
        tracked.push_back(item);
        message = "Now tracking \"" + item + "\".";
    } else {
        const auto removed = std::erase(tracked, item);
        if (removed == 0) {
            env.err << "tallywick-cli track: \"" << item << "\" is not tracked; nothing was written.\n";
            return kExitUsage;
        }
        message = "No longer tracking \"" + item + "\".";
    }
    if (const auto failure = SaveTrackedItems(folder.trackingPath(), tracked)) {
        env.err << folder.trackingPath().toStdString() << ": " << failure->toStdString() << '\n';
        return kExitFailed;
    }
    if (line.json())
        WriteItems("tracked", tracked, true, env.out);
    else
        env.out << message << '\n';
    return kExitOk;
}

} // namespace tallywick::cli
