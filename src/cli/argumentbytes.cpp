#include "cli/argumentbytes.h"

namespace tallywick::cli {

ArgumentBytes SplitArgumentBytes(const std::vector<std::string>& arguments,
                                 const std::function<bool(std::string_view name)>& takesValue)
{
    ArgumentBytes split;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            split.positional.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!argument.starts_with("--"))
            continue; // short flags; none takes a value
        const std::string_view option = argument.substr(2);
        const auto equals = option.find('=');
        if (equals != std::string_view::npos) {
            split.values[std::string(option.substr(0, equals))].emplace_back(option.substr(equals + 1));
        } else if (takesValue(option) && i + 1 < arguments.size()) {
            split.values[std::string(option)].push_back(arguments[++i]);
        }
    }
    return split;
}

} // namespace tallywick::cli
