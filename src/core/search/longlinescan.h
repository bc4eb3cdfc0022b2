#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallywick {

// Where a text stands in a line that arrives in parts (a line too long to search is let go part
// by part): at or after the request column, only before it, or nowhere.
class LongLineScan {
public:
    enum class Found { Nowhere, BeforeRequestColumn, PastRequestColumn };

    explicit LongLineScan(std::string text);

    void add(std::string_view part);
    Found found() const;
    // Ready for the next line.
    void reset();

private:
    std::string text_;
    bool searchable_;
    std::string tail_;       // the last bytes seen, one fewer than the text: a match may span parts
    std::uint64_t seen_ = 0; // bytes of the line so far
    bool before_ = false;
    bool past_ = false;
};

} // namespace tallywick
