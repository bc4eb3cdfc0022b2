#pragma once

#include "ui/views/alltimehistory.h"
#include "ui/views/historyviewwindow.h"
#include "ui/views/periodoption.h"

#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tallywick {

// The History window: the history records as text, all of them or those of one tracked item,
// with their number (and that of all time, once downloads have left the history for age) and
// the dates of the first and last record.
class HistoryTextView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit HistoryTextView(const HistoryViewContext& context);

private:
    void load();
    void itemPicked();
    void periodPicked();
    void fillText();
    void exportText();

    std::string shownText_; // the text area's text as the bytes of the records
    AllTimeHistory allTime_;
    PeriodOption period_;

    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* itemLabel_ = nullptr;
    QComboBox* itemBox_ = nullptr;
    QLabel* hitCountLabel_ = nullptr;
    QPlainTextEdit* textArea_ = nullptr;
    QPushButton* notepadButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tallywick
