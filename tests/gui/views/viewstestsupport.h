#pragma once

#include "app/files/datafolder.h"
#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "app/store/linesfile.h"
#include "app/store/trackingfile.h"
#include "support/findchild.h"
#include "ui/views/historychart.h"
#include "ui/views/historyviewcontext.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace tallywick::test {

using namespace std::chrono;

// Sunday, December 5, 2004: the fixture history runs from September 1 to December 4, 2004.
inline constexpr sys_days kFixtureToday{year{2004} / December / 5};
inline const QString kTrafficUrl = QStringLiteral("https://www.example.org/traffic_report");

// The inputs of the views for one test case: the fixture history and tracked items (which the
// case may change), a settings file and a data folder of its own, and a fixed today.
class ViewsInputs {
public:
    ViewsInputs() :
        History(ReadLinesFile(QStringLiteral(TALLYWICK_TEST_DATA "/views/history.dat"), EmptyLines::Drop).lines),
        TrackedItems(LoadTrackedItems(QStringLiteral(TALLYWICK_TEST_DATA "/views/tracking.dat"))),
        settings_(std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("Tallywick.ini"))))
    {
        settings_->write(keys::TrafficUrl, kTrafficUrl);
        preferences_ = std::make_unique<Preferences>(*settings_);
    }

    ~ViewsInputs()
    {
        for (const QPointer<QWidget>& window : windows_)
            delete window.data();
    }

    HistoryViewContext context()
    {
        return {History, TrackedItems, *preferences_, *settings_, DataFolder(dataPath()), [this] { return today; }};
    }

    // A view window over these inputs, deleted with them unless it went first.
    template <typename View>
    View* open()
    {
        auto* window = new View(context());
        windows_.append(window);
        return window;
    }

    SettingsStore& settings() { return *settings_; }
    QString dataPath() const { return dir_.filePath(QStringLiteral("data")); }
    QString dataFile(const char* name) const { return dataPath() + QLatin1Char('/') + QLatin1String(name); }
    QByteArray exported(const char* name) const
    {
        QFile file(dataFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // What the desktop was asked to open after an export to that file.
    QStringList openedExport(const char* name) const { return {QUrl::fromLocalFile(dataFile(name)).toString()}; }

    std::vector<std::string> History;
    std::vector<std::string> TrackedItems;
    sys_days today = kFixtureToday;

private:
    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<Preferences> preferences_;
    QList<QPointer<QWidget>> windows_;
};

// The controls every view names alike.
inline QString Hits(const QObject* window)
{
    return FindChild<QLabel>(window, "hitCountLabel")->text();
}

inline QComboBox* ItemBox(const QObject* window)
{
    return FindChild<QComboBox>(window, "itemBox");
}

inline HistoryChart* Chart(const QObject* window)
{
    return FindChild<HistoryChart>(window, "chart");
}

inline QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    return entries;
}

// A pick from an item box's list, as the user makes it.
inline void Pick(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// What a chart shows.
inline QList<qreal> ChartValues(const HistoryChart* chart)
{
    QList<qreal> values;
    const auto series = chart->chart()->series();
    if (series.isEmpty())
        return values;
    if (auto* bars = qobject_cast<QBarSeries*>(series.first())) {
        for (int i = 0; i < bars->barSets().first()->count(); ++i)
            values.append(bars->barSets().first()->at(i));
    } else if (auto* line = qobject_cast<QLineSeries*>(series.first())) {
        for (const QPointF& point : line->points())
            values.append(point.y());
    }
    return values;
}

inline QStringList ChartLabels(const HistoryChart* chart)
{
    const auto axes = chart->chart()->axes(Qt::Horizontal);
    auto* categories = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first());
    return categories ? categories->categories() : QStringList();
}

inline bool DrawsLine(const HistoryChart* chart)
{
    const auto series = chart->chart()->series();
    return series.size() == 1 && qobject_cast<QLineSeries*>(series.first()) != nullptr;
}

inline bool DrawsBars(const HistoryChart* chart)
{
    const auto series = chart->chart()->series();
    return series.size() == 1 && qobject_cast<QBarSeries*>(series.first()) != nullptr;
}

// Each file's cases add themselves; main runs them all in one application.
using ViewsCasesRun = int (*)(int argc, char** argv);

inline std::vector<ViewsCasesRun>& ViewsCases()
{
    static std::vector<ViewsCasesRun> runs;
    return runs;
}

template <typename Cases>
bool AddViewsCases()
{
    ViewsCases().push_back([](int argc, char** argv) {
        Cases cases;
        return QTest::qExec(&cases, argc, argv);
    });
    return true;
}

#define TALLYWICK_VIEWS_CASES(Cases) [[maybe_unused]] static const bool k##Cases##Added = AddViewsCases<Cases>();

} // namespace tallywick::test
