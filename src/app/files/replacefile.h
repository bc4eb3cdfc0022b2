#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tallywick {

// Replaces the file with the bytes, exactly as given. The previous file stays whole when writing
// fails; the reason is returned then.
std::optional<QString> ReplaceFile(const QString& path, QByteArrayView bytes);

// The same with text, written as UTF-8.
std::optional<QString> WriteTextFile(const QString& path, const QString& text);

} // namespace tallywick
