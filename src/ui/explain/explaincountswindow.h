#pragma once

#include "app/files/datafolder.h"
#include "app/report/reportexplain.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace tallywick {

class BackgroundJob;
class ExplanationModel;

// "Explain Counts": what became of every line of the last search that holds one panel's text,
// as a tree (downloads with their lines; left out and not counted by reason), a filter by text or
// client, and the shown tree to Notepad or to a file. It reads what the search kept; the filter
// reads the lines' texts off the window's thread.
class ExplainCountsWindow : public QWidget {
    Q_OBJECT

public:
    ExplainCountsWindow(std::shared_ptr<const SearchExplanation> explanation, int panel, DataFolder dataFolder,
                        QWidget* parent = nullptr);
    ~ExplainCountsWindow() override;

    // Shows another search's explanation (the window stays on its panel); the filter stays.
    void setExplanation(std::shared_ptr<const SearchExplanation> explanation);
    int panel() const { return panel_; }

private:
    void filter();
    void exportToNotepad();
    void saveAs();

    std::shared_ptr<const SearchExplanation> explanation_;
    int panel_;
    DataFolder dataFolder_;
    std::unique_ptr<ExplanationModel> model_;
    std::unique_ptr<BackgroundJob> filterJob_;

    QLabel* summaryLabel_ = nullptr;
    QLineEdit* filterBox_ = nullptr;
    QLabel* filterState_ = nullptr;
    QTreeView* tree_ = nullptr;
    QPushButton* notepadButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QTimer* filterDelay_ = nullptr;
};

} // namespace tallywick
