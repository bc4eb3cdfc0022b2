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

// Longer labels are shortened in the middle; the tip shows them whole.
constexpr int kLongestLabel = 200;
// The significant digits of an average written on its bar, as in its tip.
constexpr int kValueDigits = 4;
// The least room a chart keeps: for the ticks of a value axis, and for a week side by side.
constexpr int kMinimumValueLines = 5;
constexpr int kMinimumCategories = 7;

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

// At most this many categories are labelled, and fewer where the labels need more room than
// one category has; steps of whole quarters, half years and years keep the labelled months in
// step with the calendar.
constexpr qsizetype kMostLabels = 24;
qsizetype LabelStep(qsizetype count, qreal perCategory, int needed)
{
    const auto fits = [&](qsizetype step) {
        return count <= kMostLabels * step && (perCategory <= 0 || needed <= perCategory * step);
    };
    for (const qsizetype step : {1, 2, 3, 6}) {
        if (fits(step))
            return step;
    }
    qsizetype years = 1;
    while (!fits(12 * years) && 12 * years < count)
        ++years;
    return 12 * years;
}

QString ValueText(double value, bool wholeNumbers)
{
    if (wholeNumbers)
        return QString::number(std::llround(value));
    return QString::number(value, 'g', kValueDigits);
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    connect(chart(), &QChart::plotAreaChanged, this, &HistoryChart::fitCategoryLabels);

    saveImageAction_ = new QAction(tr("Save as Image..."), this);
    saveImageAction_->setObjectName(QStringLiteral("saveImageAction"));
    connect(saveImageAction_, &QAction::triggered, this, &HistoryChart::saveImage);
    addAction(saveImageAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void HistoryChart::keepRoomForLabels()
{
    const QFontMetrics metrics(categoryAxis_ ? categoryAxis_->labelsFont() : chart()->font());
    const QMargins margins = chart()->margins();
    const int label = metrics.horizontalAdvance(QStringLiteral("Mmm 00")) + metrics.averageCharWidth();
    const int value = metrics.horizontalAdvance(QStringLiteral("00000"));
    // The values' ticks, the labels under the bars and the values over them, with their gaps.
    const int height = kMinimumValueLines * metrics.height() * 3 / 2 + 4 * metrics.height();
    const int frame = 2 * frameWidth();
    setMinimumSize(frame + margins.left() + margins.right() + value + kMinimumCategories * label,
                   frame + margins.top() + margins.bottom() + height);
}

void HistoryChart::draw(const std::vector<ChartCategory>& categories, ChartStyle style, bool wholeNumbers)
{
    QChart* target = chart();
    target->removeAllSeries();
    for (QAbstractAxis* axis : target->axes()) {
        target->removeAxis(axis);
        delete axis;
    }
    series_ = nullptr;
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
        bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        // Counts are written whole however large they are.
        bars->setLabelsPrecision(wholeNumbers ? 18 : kValueDigits);
        connect(bars, &QBarSeries::hovered, this, [this](bool shown, int index, QBarSet*) { showTip(shown, index); });
        series = bars;
    } else {
        auto* line = new QLineSeries;
        for (std::size_t i = 0; i < values_.size(); ++i)
            line->append(static_cast<qreal>(i), values_[i]);
        line->setPointsVisible(true);
        line->setPointLabelsFormat(QStringLiteral("@yPoint"));
        line->setPointLabelsClipping(false);
        connect(line, &QLineSeries::hovered, this,
                [this](const QPointF& point, bool shown) { showTip(shown, static_cast<int>(std::lround(point.x()))); });
        series = line;
    }
    target->addSeries(series);
    series_ = series;

    categoryAxis_ = new QBarCategoryAxis;
    // The axis would cut labels to a fraction of their room, or turn them on end; they are
    // shortened in the middle instead, and thinned out where even that leaves too little.
    categoryAxis_->setTruncateLabels(false);
    categoryAxis_->setLabelsAngle(0);
    categoryAxis_->append(shownLabels(categoryWidth()));
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
    // Written above the bars, in the colour of the axis labels rather than the theme's white.
    if (auto* bars = qobject_cast<QBarSeries*>(series))
        bars->barSets().first()->setLabelColor(valueAxis->labelsColor());

    fitCategoryLabels();
    // The axes' font is known now.
    keepRoomForLabels();
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

qreal HistoryChart::categoryWidth() const
{
    const qreal plotWidth = chart()->plotArea().width();
    return plotWidth > 0 && !values_.empty() ? plotWidth / static_cast<qreal>(values_.size()) : 0;
}

QStringList HistoryChart::shownLabels(qreal perCategory) const
{
    const QFontMetrics metrics(categoryAxis_->labelsFont());
    const int gap = metrics.averageCharWidth();
    int widest = 0;
    for (const QString& label : labels_)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    // A label shortened below this says nothing; fewer labels are shown instead.
    const int shortest = metrics.horizontalAdvance(QStringLiteral("Mmm 00"));
    const qsizetype step = LabelStep(labels_.size(), perCategory, std::min(widest, shortest) + gap);
    const int room = perCategory > 0 ? static_cast<int>(perCategory * static_cast<qreal>(step)) - gap : kLongestLabel;
    QStringList shown;
    for (qsizetype i = 0; i < labels_.size(); ++i)
        shown.append(i % step == 0 ? metrics.elidedText(labels_[i], Qt::ElideMiddle, std::min(room, kLongestLabel))
                                   : QString());
    return DistinctLabels(shown);
}

void HistoryChart::fitCategoryLabels()
{
    if (!categoryAxis_ || values_.empty())
        return;
    const qreal perCategory = categoryWidth();
    // Upright labels keep the height of the plot area, so this cannot flip back and forth.
    if (const QStringList shown = shownLabels(perCategory); shown != categoryAxis_->categories())
        categoryAxis_->setCategories(shown);

    // The values are written on the bars and points where they fit side by side.
    const QFontMetrics metrics(categoryAxis_->labelsFont());
    const double maxValue = *std::max_element(values_.begin(), values_.end());
    const bool fit =
        perCategory <= 0 ||
        metrics.horizontalAdvance(ValueText(maxValue, wholeNumbers_)) + metrics.averageCharWidth() <= perCategory;
    if (auto* bars = qobject_cast<QBarSeries*>(series_))
        bars->setLabelsVisible(fit);
    else if (auto* line = qobject_cast<QLineSeries*>(series_))
        line->setPointLabelsVisible(fit);
}

void HistoryChart::saveImage()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const Dialogs::FileRequest request{tr("Save as Image"),
                                       folder,
                                       QDir(folder).filePath(imageName_),
                                       {tr("PNG image (*.png)")},
                                       tr("PNG image (*.png)")};
    auto path = Dialogs::saveFileName(window(), request);
    if (!path || path->isEmpty())
        return;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".png");
    if (!grab().save(*path, "PNG")) {
        Dialogs::message(window(), tr("Save as Image"),
                         tr("The image could not be saved to %1.").arg(QDir::toNativeSeparators(*path)),
                         Dialogs::Icon::Warning);
    }
}

} // namespace tallywick
