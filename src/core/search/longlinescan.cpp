#include "core/search/longlinescan.h"

#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {

LongLineScan::LongLineScan(std::string text) :
    text_(std::move(text)), searchable_(text_.find_first_of("\r\n") == std::string::npos)
{
}

void LongLineScan::add(std::string_view part)
{
    if (!searchable_ || past_) {
        seen_ += part.size();
        return;
    }
    if (text_.empty()) {
        // An empty text stands at the request column of every line that long.
        seen_ += part.size();
        past_ = seen_ >= kMatchStart;
        return;
    }
    std::string window = tail_;
    window.append(part);
    const std::uint64_t windowStart = seen_ - tail_.size();
    for (auto at = window.find(text_); at != std::string::npos; at = window.find(text_, at + 1)) {
        if (windowStart + at + 1 >= kMatchStart) {
            past_ = true;
            break;
        }
        before_ = true;
    }
    seen_ += part.size();
    const auto keep = std::min(window.size(), text_.size() - 1);
    tail_.assign(window, window.size() - keep, keep);
}

LongLineScan::Found LongLineScan::found() const
{
    if (past_)
        return Found::PastRequestColumn;
    return before_ ? Found::BeforeRequestColumn : Found::Nowhere;
}

void LongLineScan::reset()
{
    tail_.clear();
    seen_ = 0;
    before_ = false;
    past_ = false;
}

} // namespace tallywick
