#pragma once

#include "core/views/chartcategory.h"

#include <QChartView>
#include <QStringList>

#include <vector>

class QAction;
class QAbstractSeries;
class QBarCategoryAxis;

namespace tallywick {

enum class ChartStyle { Bar, Line };

// The chart of the month, weekday and file views: one series of labelled categories, drawn as
// bars or as a line, with a value axis that scales itself. A category's value shows as a tip
// under the pointer, and the context menu saves the chart as a PNG image.
class HistoryChart : public QChartView {
    Q_OBJECT

public:
    explicit HistoryChart(QWidget* parent = nullptr);

    // Replaces what the chart shows. Counts get whole-number ticks; other values (averages) get
    // as many decimals as the ticks need.
    void draw(const std::vector<ChartCategory>& categories, ChartStyle style, bool wholeNumbers = true);

    // "Dec 04: 12", the tip over a category.
    QString valueTip(int index) const;
    int categoryCount() const { return static_cast<int>(values_.size()); }

    // The file name the image is offered under ("Traffic by Month.png").
    void setImageName(const QString& fileName) { imageName_ = fileName; }
    // Asks for a file name and writes the chart there as a PNG image.
    void saveImage();
    QAction* saveImageAction() const { return saveImageAction_; }

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void showTip(bool shown, int index);
    // The room of one category on the axis; 0 until the chart has been laid out.
    qreal categoryWidth() const;
    // The labels as they fit the room of `perCategory` each: shortened in the middle, and only
    // every so many shown where they cannot be shortened enough.
    QStringList shownLabels(qreal perCategory) const;
    // Fits the labels and the values on the bars to the width the chart has now.
    void fitCategoryLabels();
    // Keeps room for the value axis's numbers one above the other and for a week of labels side
    // by side: any smaller, and the axes cut their labels down to "…".
    void keepRoomForLabels();

    QAction* saveImageAction_;
    QAbstractSeries* series_ = nullptr;
    QBarCategoryAxis* categoryAxis_ = nullptr;
    QStringList labels_;
    std::vector<double> values_;
    bool wholeNumbers_ = true;
    int hovered_ = -1; // the category under the pointer
    QString imageName_ = QStringLiteral("chart.png");
};

} // namespace tallywick
