#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace tallywick {

// A push button that Enter in another control of its window does not press.
QPushButton* NewButton(const QString& caption, const QString& objectName, QWidget* parent);
// The same as narrow as its caption ("<<", "Go"), as the styles widen every button to a common
// width.
QPushButton* NewNarrowButton(const QString& caption, const QString& objectName, QWidget* parent);

} // namespace tallywick
