#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tallywick {

// The text as UTF-8 with every line break CR LF, as the other exports are written; text boxes
// hand out LF alone, and a CR LF already there stays one break.
QByteArray WithWindowsLineBreaks(const QString& text);

// Replaces the file with the text so; the reason is returned when writing fails.
std::optional<QString> WriteWindowsTextFile(const QString& path, const QString& text);

} // namespace tallywick
