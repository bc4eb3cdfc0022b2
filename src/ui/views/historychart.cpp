#include "ui/views/historychart.h"

#include "ui/common/dialogs.h"
#include "ui/views/valuescale.h"
#include "ui/views/viewtexts.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineSeries>
#include <QPixmap>
#include <QStandardPaths>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tallywick {
namespace {

// The category axis drops empty and repeated labels, which would shift every later category;
// an invisible mark keeps each one apart while it reads the same.
QStringList DistinctLabels(const QStringList& labels)
{
    QStringList distinct;
    for (QString label : labels) {
        while (label.isEmpty() || distinct.contains(label))
            label += QChar(0x200B);
        distinct.append(label);
    }
    return distinct;
}

// Longer labels are shortened in the middle; the tip shows them whole.
constexpr int kLongestLabel = 200;

// At most this many categories are labelled; steps of whole quarters, half years and years
// keep the labelled months in step with the calendar.
constexpr qsizetype kMostLabels = 24;
qsizetype LabelStep(qsizetype count)
{
    for (const qsizetype step : {1, 2, 3, 6}) {
        if (count <= kMostLabels * step)
            return step;
    }
    return 12 * ((count + kMostLabels * 12 - 1) / (kMostLabels * 12));
}

QString ValueText(double value, bool wholeNumbers)
{
    if (wholeNumbers)
        return QString::number(std::llround(value));
    return QString::number(value, 'g', 4);
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    connect(chart(), &QChart::plotAreaChanged, this, &HistoryChart::fitCategoryLabels);

    saveImageAction_ = new QAction(QStringLiteral("Save as Image..."), this);
    saveImageAction_->setObjectName(QStringLiteral("saveImageAction"));
    connect(saveImageAction_, &QAction::triggered, this, &HistoryChart::saveImage);
    addAction(saveImageAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void HistoryChart::draw(const std::vector<ChartCategory>& categories, ChartStyle style, bool wholeNumbers)
{
    QChart* target = chart();
    target->removeAllSeries();
    for (QAbstractAxis* axis : target->axes()) {
        target->removeAxis(axis);
        delete axis;
    }
    categoryAxis_ = nullptr;
    hovered_ = -1;

    labels_.clear();
    values_.clear();
    for (const auto& category : categories) {
        labels_.append(ViewText(category.label));
        values_.push_back(category.value);
    }
    wholeNumbers_ = wholeNumbers;

    QAbstractSeries* series = nullptr;
    if (style == ChartStyle::Bar) {
        auto* set = new QBarSet(QString());
        for (const double value : values_)
            set->append(value);
        auto* bars = new QBarSeries;
        bars->append(set);
        connect(bars, &QBarSeries::hovered, this, [this](bool shown, int index, QBarSet*) { showTip(shown, index); });
        series = bars;
    } else {
        auto* line = new QLineSeries;
        for (std::size_t i = 0; i < values_.size(); ++i)
            line->append(static_cast<qreal>(i), values_[i]);
        line->setPointsVisible(true);
        connect(line, &QLineSeries::hovered, this,
                [this](const QPointF& point, bool shown) { showTip(shown, static_cast<int>(std::lround(point.x()))); });
        series = line;
    }
    target->addSeries(series);

    categoryAxis_ = new QBarCategoryAxis;
    // The axis would cut labels to a fraction of their room; they are turned instead when they
    // do not fit side by side.
    categoryAxis_->setTruncateLabels(false);
    const QFontMetrics metrics(categoryAxis_->labelsFont());
    QStringList shown;
    for (const QString& label : labels_)
        shown.append(metrics.elidedText(label, Qt::ElideMiddle, kLongestLabel));
    // Years of months cannot be labelled one by one: every step-th keeps its label (the tips
    // still name each category).
    const qsizetype step = LabelStep(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (i % step != 0)
            shown[i].clear();
    }
    categoryAxis_->append(DistinctLabels(shown));
    target->addAxis(categoryAxis_, Qt::AlignBottom);
    series->attachAxis(categoryAxis_);

    const double maxValue = values_.empty() ? 0 : *std::max_element(values_.begin(), values_.end());
    const ValueScale scale = ScaleFor(maxValue, wholeNumbers);
    auto* valueAxis = new QValueAxis;
    valueAxis->setRange(0, scale.top);
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0);
    valueAxis->setTickInterval(scale.step);
    valueAxis->setLabelFormat(wholeNumbers ? QStringLiteral("%d") : QStringLiteral("%.%1f").arg(scale.decimals));
    target->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(valueAxis);

    fitCategoryLabels();
}

QString HistoryChart::valueTip(int index) const
{
    if (index < 0 || index >= categoryCount())
        return {};
    return labels_[index] + QStringLiteral(": ") + ValueText(values_[static_cast<std::size_t>(index)], wholeNumbers_);
}

void HistoryChart::showTip(bool shown, int index)
{
    hovered_ = shown && index >= 0 && index < categoryCount() ? index : -1;
    if (hovered_ >= 0)
        QToolTip::showText(QCursor::pos(), valueTip(hovered_), this);
    else
        QToolTip::hideText();
}

bool HistoryChart::viewportEvent(QEvent* event)
{
    // The scene answers the pointer's resting with the tips of its items, of which it has none:
    // it would hide the value shown.
    if (event->type() == QEvent::ToolTip && hovered_ >= 0) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), valueTip(hovered_), this);
        return true;
    }
    return QChartView::viewportEvent(event);
}

void HistoryChart::fitCategoryLabels()
{
    if (!categoryAxis_ || categoryAxis_->count() == 0)
        return;
    const QFontMetrics metrics(categoryAxis_->labelsFont());
    int widest = 0;
    for (const QString& label : categoryAxis_->categories())
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const qreal plotWidth = chart()->plotArea().width() > 0 ? chart()->plotArea().width() : width() - 80;
    const qreal perCategory = plotWidth / categoryAxis_->count();
    // Upright labels stay whole even at the ends of the axis, where the chart hides slanted ones
    // that reach past it. Turning them changes only the height of the plot area, so this cannot
    // flip back and forth.
    const int angle = widest + metrics.averageCharWidth() > perCategory ? -90 : 0;
    if (categoryAxis_->labelsAngle() != angle)
        categoryAxis_->setLabelsAngle(angle);
}

void HistoryChart::saveImage()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const Dialogs::FileRequest request{QStringLiteral("Save as Image"),
                                       folder,
                                       QDir(folder).filePath(imageName_),
                                       {QStringLiteral("PNG image (*.png)")},
                                       QStringLiteral("PNG image (*.png)")};
    auto path = Dialogs::saveFileName(window(), request);
    if (!path || path->isEmpty())
        return;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".png");
    if (!grab().save(*path, "PNG")) {
        Dialogs::message(window(), QStringLiteral("Save as Image"),
                         QStringLiteral("The image could not be saved to %1.").arg(QDir::toNativeSeparators(*path)),
                         Dialogs::Icon::Warning);
    }
}

} // namespace tallywick
