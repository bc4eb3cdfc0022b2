#pragma once

#include <QString>

#include <optional>

namespace tallywick {

// Replaces the file with the text in UTF-8, exactly as given. The previous file stays whole
// when writing fails; the reason is returned then.
std::optional<QString> WriteTextFile(const QString& path, const QString& text);

} // namespace tallywick
