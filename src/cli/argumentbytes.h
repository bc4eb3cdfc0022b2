#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick::cli {

// The option values and positional arguments of a command line as the bytes they were given
// in: a search text or a tracked item may hold bytes that are not UTF-8, and must reach the
// engine and the data files unchanged.
struct ArgumentBytes {
    std::map<std::string, std::vector<std::string>, std::less<>> values; // by option name, without dashes
    std::vector<std::string> positional;
};

// Splits the arguments (those after the command's name) the way the option parser does:
// "--name value" and "--name=value" for an option that takes a value, "--" ends the options,
// "-" alone and anything not starting with "-" is positional.
ArgumentBytes SplitArgumentBytes(const std::vector<std::string>& arguments,
                                 const std::function<bool(std::string_view name)>& takesValue);

} // namespace tallywick::cli
