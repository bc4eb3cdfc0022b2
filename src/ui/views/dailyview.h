#pragma once

#include "ui/views/historyviewwindow.h"

#include <string>

class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tallywick {

// The Daily Traffic window: the history records of one tracked item on one day, as text.
class DailyView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit DailyView(const HistoryViewContext& context);

private:
    void load();
    void itemPicked();
    void datePicked();
    // False when there was nothing to compute (no history or no tracked item).
    bool fillText();
    void exportText();

    std::string shownText_;

    QLabel* dateLabel_ = nullptr;
    QDateEdit* datePicker_ = nullptr;
    QLabel* itemLabel_ = nullptr;
    QComboBox* itemBox_ = nullptr;
    QLabel* hitCountLabel_ = nullptr;
    QPlainTextEdit* textArea_ = nullptr;
    QPushButton* notepadButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tallywick
