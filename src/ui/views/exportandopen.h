#pragma once

#include <string_view>

namespace tallywick {

class DataFolder;

// Writes a view's content to the named file in the data folder, replacing it, then asks the
// desktop to open it (normally in the text editor). Nothing is reported when either fails, and
// a file that could not be written is not opened.
void ExportAndOpen(const DataFolder& folder, const char* fileName, std::string_view content);

} // namespace tallywick
