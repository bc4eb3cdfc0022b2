#include "ui/common/labeltexts.h"

#include "core/views/dateformat.h"

#include <QCoreApplication>

namespace tallywick {
namespace {

QString Translated(const char* text)
{
    return QCoreApplication::translate("tallywick::LabelTexts", text);
}

} // namespace

QString FromBytes(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString FoundText(std::int64_t found)
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "Found: %1")).arg(found);
}

QString AllFoundText(std::int64_t allFound, std::int64_t lines)
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "All Found: %1 of %2")).arg(allFound).arg(lines);
}

QString LeftOutText(const LeftOutCounts& leftOut)
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "(left out: %1 robots, %2 failed)"))
        .arg(leftOut.robots)
        .arg(leftOut.failed);
}

QString LeftOutWithToolsText(const LeftOutCounts& leftOut)
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "(left out: %1 robots, %2 download tools, %3 failed)"))
        .arg(leftOut.robots)
        .arg(leftOut.downloadTools)
        .arg(leftOut.failed);
}

QString NoAgentsText()
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts",
                                        "No hit line has a user agent (the Common log format has none): no robot "
                                        "or download tool could be told."));
}

QString DownloadCountsText(const PanelDownloads& panel)
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "%1 complete · %2 unique a day"))
        .arg(panel.complete)
        .arg(panel.uniquePerDay);
}

QString DownloadCountsToolTip(const PanelDownloads& panel)
{
    return Translated(QT_TRANSLATE_NOOP(
                          "tallywick::LabelTexts",
                          "Complete: %1 of the %2 downloads delivered their whole file (%3 incomplete, %4 of a file "
                          "whose size is not known).\nA download manager that fetches one file in 20 requests is one "
                          "download, complete when the bytes of its requests reach the file's size.\n"
                          "Unique a day: %5 different downloaders (client and user agent) a file a day; an hour: %6."))
        .arg(panel.complete)
        .arg(panel.downloads)
        .arg(panel.incomplete)
        .arg(panel.sizeUnknown)
        .arg(panel.uniquePerDay)
        .arg(panel.uniquePerHour);
}

QString HitsText(std::int64_t hits)
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "%1 Hits")).arg(hits);
}

QString FromText(std::optional<std::chrono::sys_days> day)
{
    return day ? Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "From: %1")).arg(FromBytes(FormatDate(*day)))
               : Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "From:"));
}

QString ToText(std::optional<std::chrono::sys_days> day)
{
    return day ? Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "To: %1")).arg(FromBytes(FormatDate(*day)))
               : Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "To:"));
}

QString TodayText(std::chrono::sys_days today)
{
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "Today is %1")).arg(FromBytes(LongDate(today)));
}

QString PastTimeLimitText(std::size_t count, int timeLimit)
{
    // Two sentences rather than a plural form, so that English needs no translation file.
    if (count == 1)
        return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts",
                                            "1 download is older than the history time limit (%1 months) and leaves "
                                            "the history at the next save"))
            .arg(timeLimit);
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts",
                                        "%1 downloads are older than the history time limit (%2 months) and leave "
                                        "the history at the next save"))
        .arg(count)
        .arg(timeLimit);
}

QString UpkeepText(const UpkeepNotice& notice)
{
    switch (notice.kind) {
    case UpkeepNotice::Kind::Sorting:
        return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "Please wait while sorting history."));
    case UpkeepNotice::Kind::Trimming:
        return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "Please wait while trimming history."));
    case UpkeepNotice::Kind::Removed:
        return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "Removed %1 duplicate items from history."))
            .arg(notice.removed);
    case UpkeepNotice::Kind::Sorted:
        break;
    }
    if (notice.future > 0) {
        if (notice.removed == 0)
            return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts",
                                                "History sorted: %1 records kept (%2 dated after today)."))
                .arg(notice.kept)
                .arg(notice.future);
        return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts",
                                            "History sorted: %1 records kept, %2 removed (%3 dated after today)."))
            .arg(notice.kept)
            .arg(notice.removed)
            .arg(notice.future);
    }
    if (notice.removed == 0)
        return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "History sorted: %1 records kept."))
            .arg(notice.kept);
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "History sorted: %1 records kept, %2 removed."))
        .arg(notice.kept)
        .arg(notice.removed);
}

QString TimeLimitRemovalText(std::size_t count)
{
    if (count == 0)
        return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "No download in the history is older than this."));
    if (count == 1)
        return Translated(
            QT_TRANSLATE_NOOP("tallywick::LabelTexts", "1 download leaves the history at the next save."));
    return Translated(QT_TRANSLATE_NOOP("tallywick::LabelTexts", "%1 downloads leave the history at the next save."))
        .arg(count);
}

} // namespace tallywick
