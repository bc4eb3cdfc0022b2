#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

namespace tallywick {

// The keys of one section of an INI file whose line holds bytes that are not UTF-8, in file
// order, each once.
QStringList IniKeysNotUtf8(QByteArrayView ini, QStringView section);

} // namespace tallywick
