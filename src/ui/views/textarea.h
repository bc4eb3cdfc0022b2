#pragma once

#include <string_view>

class QPlainTextEdit;
class QWidget;

namespace tallywick {

// The read-only text area of the text views.
QPlainTextEdit* MakeTextArea(QWidget* parent);

// Shows a view's text (records separated by CR LF) in its text area.
void ShowText(QPlainTextEdit* area, std::string_view text);

// Shows "Please Wait...." while the text is being built; it is painted at once, since no events
// are processed until the text is ready.
void ShowPleaseWait(QPlainTextEdit* area);

} // namespace tallywick
