#include "app/history/keepingsteps.h"

#include "app/history/historysteps.h"
#include "app/store/coveragefile.h"
#include "core/history/historyarchive.h"
#include "core/history/historydate.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <limits>

namespace tallywick {

namespace {

// A save with this limit cuts nothing.
constexpr int kNoTimeLimit = std::numeric_limits<int>::max();

} // namespace

KeepingSaveOutcome SaveHistoryKeepingOld(HistorySession& session, HistoryStore& store, const ArchiveFolder& archive,
                                         std::chrono::sys_days today, int TimeLimit, const SaveFileOpener& open)
{
    KeepingSaveOutcome outcome;
    if (store.saveRefusal().isEmpty()) {
        auto past = RecordsPastTimeLimit(session.History, today, TimeLimit);
        past.insert(past.end(), session.removedForAge.begin(), session.removedForAge.end());
        outcome.archive = archive.add(past, open);
    }
    // What "history.dat" keeps: every record but the empty ones and those the archive took.
    const auto& archived = outcome.archive;
    const auto stays = [&](const std::string& record) {
        if (record.empty())
            return false;
        const auto day = RecordDay(record);
        return !day || WithinTimeLimit(*day, today, TimeLimit) || archived.isRefused(record);
    };
    const auto saved = [&] { return outcome.save.status == HistorySaveOutcome::Status::Saved; };
    if (archived.notArchived.empty()) {
        // Its callers removed the duplicate partial downloads: the file may be indexed.
        outcome.save = store.SaveHistory(session.History, today, TimeLimit, HistoryStore::Index::Write);
        if (saved())
            std::erase_if(session.History, [&](const std::string& record) { return !stays(record); });
    } else {
        // Each record once: those the upkeep already took out of memory go first (they are the
        // oldest), then the history less what the archive took.
        std::vector<std::string> kept;
        std::copy_if(session.removedForAge.begin(), session.removedForAge.end(), std::back_inserter(kept),
                     [&](const std::string& record) { return archived.isRefused(record); });
        std::stable_sort(kept.begin(), kept.end(),
                         [](const std::string& a, const std::string& b) { return RecordDay(a) < RecordDay(b); });
        std::copy_if(session.History.begin(), session.History.end(), std::back_inserter(kept), stays);
        outcome.save = store.SaveHistory(kept, today, kNoTimeLimit);
        if (saved())
            session.History = std::move(kept);
    }
    if (saved() || outcome.save.status == HistorySaveOutcome::Status::Untouched)
        session.removedForAge.clear();
    return outcome;
}

std::optional<QString> SaveCoveredDays(const HistorySession& session, const QString& coveragePath,
                                       std::chrono::sys_days today, int TimeLimit, const SaveFileOpener& open)
{
    if (session.coveredDays.empty())
        return std::nullopt;
    const auto read = ReadCoverageFile(coveragePath);
    if (read.status == LinesRead::Status::Failed)
        return QStringLiteral("%1 could not be read (%2); it is left as it is.").arg(coveragePath, read.error);
    // A file whose first line is damaged starts again from today, not knowing the days before.
    auto coverage = read.coverage.value_or(ReportCoverage{
        NewCoverageStart(read.status == LinesRead::Status::Missing && session.historyWasEmpty, today, TimeLimit), {}});
    AddCoveredDays(coverage, session.coveredDays);
    TrimCoverage(coverage, today, TimeLimit);
    if (const auto failure = SaveCoverageFile(coveragePath, coverage, open))
        return QStringLiteral("%1 could not be saved (%2).").arg(coveragePath, *failure);
    return std::nullopt;
}

QString CoveragePathBeside(const QString& historyPath)
{
    return QFileInfo(historyPath).dir().filePath(QString::fromUtf8(kCoverageFileName));
}

void NoteCoveredDays(HistorySession& session, const std::vector<std::chrono::sys_days>& days)
{
    // A report searched again and again (every activation may search it) adds its days once.
    auto& covered = session.coveredDays;
    covered.insert(covered.end(), days.begin(), days.end());
    std::sort(covered.begin(), covered.end());
    covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
}

} // namespace tallywick
