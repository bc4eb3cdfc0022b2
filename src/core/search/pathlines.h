#pragma once

#include "core/log/lines.h"
#include "core/search/textfinder.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// Finds the lines of a report that may hold one of some paths, to read file sizes from: one search
// for the start the paths share (a site's files often share a folder), a search for each path
// while they are few, or else every line.
class PathLines {
public:
    PathLines() = default;
    PathLines(const std::vector<std::string>& paths, SimdLevel level);

    bool empty() const { return texts_.empty() && !everyLine_; }

    // Calls line() with each line of the whole lines that may hold a path; a line that holds two
    // of them may come twice.
    template <class Line>
    void forEach(std::string_view lines, Line&& line) const
    {
        if (everyLine_) {
            ForEachLine(lines, line, level_);
            return;
        }
        for (const TextFinder& text : texts_) {
            std::size_t from = 0;
            for (auto found = text.find(lines, from); found != std::string_view::npos; found = text.find(lines, from)) {
                // A request's path follows the space after its method: one named in a referrer
                // is passed over.
                if (found == 0 || lines[found - 1] != ' ') {
                    from = found + 1;
                    continue;
                }
                const auto lineBegin = FindLineStart(lines, found, level_);
                from = FindLineBreak(lines, found, level_);
                line(lines.substr(lineBegin, from - lineBegin));
            }
        }
    }

private:
    std::vector<TextFinder> texts_;
    bool everyLine_ = false;
    SimdLevel level_ = SimdLevel::Scalar;
};

} // namespace tallywick
