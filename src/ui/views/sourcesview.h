#pragma once

#include "core/views/downloadsources.h"
#include "ui/views/alltimehistory.h"
#include "ui/views/historyviewwindow.h"
#include "ui/views/periodoption.h"

#include <string>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tallywick {

// The Sources window: where the downloads of an item (or of every item) in a period came from,
// by the host of their referrer; the top hosts and the rest, as bars and as a table.
class SourcesView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit SourcesView(const HistoryViewContext& context);

private:
    void countSources();
    void showTable(const DownloadSourcesResult& sources);
    void showChart(const DownloadSourcesResult& sources);

    AllTimeHistory allTime_;
    PeriodOption period_;
    std::string shownText_; // the exports' content

    QLabel* itemLabel_ = nullptr;
    QComboBox* itemBox_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* hitCountLabel_ = nullptr;
    QChartView* chart_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* notepadButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tallywick
