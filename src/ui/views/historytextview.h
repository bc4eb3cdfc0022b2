#pragma once

#include "ui/views/historyviewwindow.h"

#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tallywick {

// The History window: the history records as text, all of them or those of one tracked item,
// with their number and the dates of the first and last record.
class HistoryTextView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit HistoryTextView(const HistoryViewContext& context);

    QLabel* lblFrom;
    QLabel* lblTo;
    QLabel* lblFind;
    QComboBox* Combo1;
    QLabel* lblHits;
    QPlainTextEdit* RichTextBox1;
    QPushButton* cmdNotePad;
    QPushButton* cmdClose;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Combo1_Click();
    void FillHistoryText();
    void cmdNotePad_Click();

    std::string shownText_; // the text area's text as the bytes of the records
};

} // namespace tallywick
