#pragma once

#include <QStringList>

class QWidget;

namespace tallywick {

// System-information programs of the Linux desktops, in order of preference.
QStringList SystemInfoPrograms();

// The full path of the first of them found in `folders`, or on the PATH when no folders are
// given; empty when none is installed.
QString FindSystemInfoProgram(const QStringList& folders = {});

// Starts the system-information program on its own (no shell, not a child that ends with
// Tallywick). When there is none, or it does not start, says "System Information Is
// Unavailable At This Time".
void StartSysInfo(QWidget* parent);

} // namespace tallywick
