#pragma once

#include <QSaveFile>
#include <QString>

#include <optional>
#include <string_view>

namespace tallywick {

// Writes every byte to the file. A short write is tried again, so that a full disk shows as its
// own error ("No space left on device") instead of Qt's "Unknown error". False on failure; the
// file's errorString() then says why.
bool WriteAll(QSaveFile& file, std::string_view bytes);

// Replaces the target with what was written, or leaves it whole and returns why not. Qt's own
// commit() reports success even when flushing its last buffered bytes failed, and would put a
// cut-off file in place of a whole one.
std::optional<QString> CommitSaveFile(QSaveFile& file);

} // namespace tallywick
