#include "app/store/historystore.h"

#include "app/settings/settingsstore.h"
#include "core/history/historysave.h"

namespace tallywick {

HistoryStore::HistoryStore(QString path, SettingsStore& settings, SaveFileOpener save, ReadFileOpener read) :
    path_(std::move(path)), settings_(settings), save_(std::move(save)), read_(std::move(read))
{
}

LinesRead HistoryStore::LoadHistory()
{
    auto read = ReadLinesFile(path_, EmptyLines::Drop, read_);
    saveRefusal_.clear();
    loadedRecords_ = !read.lines.empty();
    if (read.status == LinesRead::Status::Failed)
        saveRefusal_ =
            QStringLiteral("%1 could not be read to its end (%2); it is left as it is.").arg(path_, read.error);
    return read;
}

bool HistoryStore::NeedSort() const
{
    return settings_.read(keys::NeedSort);
}

HistorySaveOutcome HistoryStore::SaveHistory(const std::vector<std::string>& History, std::chrono::sys_days today,
                                             int TimeLimit)
{
    HistorySaveOutcome outcome;
    if (History.empty() && !loadedRecords_) {
        outcome.status = HistorySaveOutcome::Status::Untouched;
        return outcome;
    }
    if (!saveRefusal_.isEmpty()) {
        outcome.status = HistorySaveOutcome::Status::Refused;
        outcome.error = saveRefusal_;
        return outcome;
    }
    const auto plan = PlanHistorySave(History, today, TimeLimit);
    const auto flagNotWritten = [&](const QString& fileState) {
        return QStringLiteral("The setting \"NeedSort\" could not be written to %1; %2")
            .arg(settings_.path(), fileState.arg(path_));
    };
    // The flag that asks for a sort goes first: a file out of order is never stored without it.
    if (plan.NeedSort && !settings_.write(keys::NeedSort, true)) {
        outcome.status = HistorySaveOutcome::Status::Failed;
        outcome.error = flagNotWritten(QStringLiteral("%1 is left as it is."));
        return outcome;
    }
    const auto failure = WriteLinesFile(
        path_, plan.records.size(), [&](std::size_t i) { return std::string_view(History[plan.records[i]]); }, save_);
    if (failure) {
        outcome.status = HistorySaveOutcome::Status::Failed;
        outcome.error =
            QStringLiteral("%1 could not be saved (%2); the previous file is left as it is.").arg(path_, *failure);
        return outcome;
    }
    if (!plan.NeedSort && !settings_.write(keys::NeedSort, false))
        outcome.flagError = flagNotWritten(QStringLiteral("%1 was saved."));
    outcome.status = HistorySaveOutcome::Status::Saved;
    outcome.written = plan.records.size();
    outcome.NeedSort = plan.NeedSort;
    return outcome;
}

} // namespace tallywick
