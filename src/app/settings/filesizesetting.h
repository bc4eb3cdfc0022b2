#pragma once

#include "core/search/downloadcounts.h"

#include <QString>

namespace tallywick {

class SettingsStore;

// The setting "FileSizes": "PATH=BYTES" entries joined by "|", such as
// "/quarnel/shareware/pelmor.zip=48213|/quarnel/shareware/pelmor.exe=120000". Each entry is read
// as ParseFileSizeEntry reads it (split at its last "=", a query dropped); an entry that is not
// one (garbage, a size that is no whole number, an empty path) is passed over, and of two entries
// for one path the later wins. A path cannot hold "|".
FileSizes ParseFileSizes(const QString& text);
// The text that ParseFileSizes reads back as sizes (paths holding "|" are left out).
QString FileSizesText(const FileSizes& sizes);
FileSizes ReadFileSizes(const SettingsStore& settings);

} // namespace tallywick
