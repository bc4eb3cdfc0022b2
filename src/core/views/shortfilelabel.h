#pragma once

#include <string_view>

namespace tallywick {

// The folder and file name of a tracked item: "/quarnel/shareware/pelmor.zip" gives
// "/shareware/pelmor.zip". The text from the second-last "/" before the last "." on; the whole
// item when any of the three is missing.
std::string_view ShortFileLabel(std::string_view item);

} // namespace tallywick
