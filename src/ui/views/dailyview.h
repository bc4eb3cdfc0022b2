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

    QLabel* lblDate;
    QDateEdit* DTPicker1;
    QLabel* lblFind;
    QComboBox* Combo1;
    QLabel* lblHitCount;
    QPlainTextEdit* RichTextBox1;
    QPushButton* cmdNotePad;
    QPushButton* cmdClose;

private:
    void Form_Load();
    void Combo1_Click();
    void DTPicker1_Change();
    // False when there was nothing to compute (no history or no tracked item).
    bool FillDailyText();
    void cmdNotePad_Click();

    std::string shownText_;
};

} // namespace tallywick
