#pragma once

#include <string_view>

class QWidget;

namespace tallywick {

class DataFolder;

// Writes a view's content to the named file in the data folder, replacing it, then asks the
// desktop to open it (normally in the text editor). A file that could not be written is not
// opened (the previous export stays whole); that, and a file no program could open, is said.
void ExportAndOpen(QWidget* parent, const DataFolder& folder, const char* fileName, std::string_view content);

// Asks where to save a view's content (offering the file name in the data folder) and writes it
// there, replacing what was there; a file that could not be written is said.
void SaveViewText(QWidget* parent, const DataFolder& folder, const char* fileName, std::string_view content);

} // namespace tallywick
