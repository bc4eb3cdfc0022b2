#include "app/store/historystore.h"

#include "app/settings/settingsstore.h"
#include "app/store/historyindexfile.h"
#include "core/history/historysave.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace tallywick {

HistoryStore::HistoryStore(QString path, SettingsStore& settings, SaveFileOpener save, ReadFileOpener read) :
    path_(std::move(path)), settings_(settings), save_(std::move(save)), read_(std::move(read)),
    indexPath_(IndexPathBeside(path_))
{
}

LinesRead HistoryStore::LoadHistory()
{
    // An addition that was cut short: the file holds the records before it and only part of it.
    std::optional<qint64> upTo;
    if (const auto index = ReadHistoryIndex(indexPath_); index && index->pending) {
        const auto state = StateOfFile(path_);
        const auto end = index->size + index->pending->length;
        if (state && state->size >= index->size && state->size < end &&
            TailHashOfFile(path_, index->size) == index->tailHash)
            upTo = static_cast<qint64>(index->size);
    }
    auto read = ReadLinesFile(path_, EmptyLines::Drop, read_, 0, upTo);
    saveRefusal_.clear();
    loadedRecords_ = !read.lines.empty();
    known_.reset();
    if (const auto state = StateOfFile(path_); state && read.status == LinesRead::Status::Read && !upTo)
        known_ = KnownFile{*state, read.lines.size()};
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
                                             int TimeLimit, Index index)
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
    // An index of the file replaced would take a new file that begins as the old one did for the
    // old one with an addition cut short.
    if (QFile::exists(indexPath_) && !QFile::remove(indexPath_)) {
        outcome.status = HistorySaveOutcome::Status::Failed;
        outcome.error = QStringLiteral("%1 could not be removed; %2 is left as it is.").arg(indexPath_, path_);
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
    known_.reset();
    if (index == Index::Write && !plan.NeedSort) {
        std::vector<DayBlock> days;
        std::uint64_t offset = 0;
        bool indexable = true;
        for (const auto i : plan.records) {
            indexable = indexable && AddToDayBlocks(days, History[i], offset);
            offset += History[i].size() + 2;
        }
        if (const auto indexed = indexable ? writeIndex(std::move(days)) : std::nullopt)
            known_ = KnownFile{*indexed, plan.records.size()};
    }
    outcome.status = HistorySaveOutcome::Status::Saved;
    outcome.written = plan.records.size();
    outcome.NeedSort = plan.NeedSort;
    return outcome;
}

std::optional<HistoryStore::Tail> HistoryStore::LoadTail()
{
    saveRefusal_.clear();
    auto index = ReadHistoryIndex(indexPath_);
    const auto state = StateOfFile(path_);
    if (!index || index->pending || !state || NeedSort() || state->size != index->size ||
        state->modified != index->modified || TailHashOfFile(path_, index->size) != index->tailHash)
        return std::nullopt;
    Tail tail{std::move(*index), {}};
    if (!tail.index.days.empty()) {
        auto read = ReadLinesFile(path_, EmptyLines::Drop, read_, static_cast<qint64>(tail.index.days.back().offset));
        if (read.status != LinesRead::Status::Read || read.lines.size() != tail.index.days.back().records)
            return std::nullopt;
        tail.lastDayRecords = std::move(read.lines);
    }
    loadedRecords_ = tail.index.records() > 0;
    return tail;
}

std::optional<HistoryStore::Tail> HistoryStore::TailOfKnownFile()
{
    if (!known_)
        return std::nullopt;
    const KnownFile known = *known_;
    auto tail = LoadTail();
    if (!tail || tail->index.size != known.state.size || tail->index.modified != known.state.modified ||
        tail->index.records() != known.records)
        return std::nullopt;
    return tail;
}

HistorySaveOutcome HistoryStore::AppendHistory(const Tail& tail, const std::vector<std::string_view>& records)
{
    HistorySaveOutcome outcome;
    HistoryIndex index = tail.index;
    std::uint64_t offset = index.size;
    std::string bytes;
    for (const auto record : records) {
        if (!AddToDayBlocks(index.days, record, offset)) {
            outcome.status = HistorySaveOutcome::Status::Failed;
            outcome.error = QStringLiteral("%1: a record to add is out of order; nothing was added.").arg(path_);
            return outcome;
        }
        bytes.append(record);
        bytes.append("\r\n");
        offset += record.size() + 2;
    }
    const auto fail = [&](const QString& why) {
        outcome.status = HistorySaveOutcome::Status::Failed;
        outcome.error =
            QStringLiteral("%1 could not be added to (%2); the records before are left as they are.").arg(path_, why);
        return outcome;
    };
    if (!records.empty()) {
        // The addition is announced first: a run killed part-way leaves a file that the next load
        // reads as it was before.
        const auto oldTail = ReadTailBytes(path_, index.size);
        if (!oldTail)
            return fail(QStringLiteral("its end could not be read"));
        const std::string end =
            *oldTail + bytes.substr(bytes.size() > kIndexTailBytes ? bytes.size() - kIndexTailBytes : 0);
        HistoryIndex announced = tail.index;
        announced.pending = HistoryIndex::Pending{
            bytes.size(),
            TailHash(std::string_view(end).substr(end.size() > kIndexTailBytes ? end.size() - kIndexTailBytes : 0))};
        if (const auto failure = WriteHistoryIndex(indexPath_, announced))
            return fail(QStringLiteral("%1 could not be written: %2").arg(indexPath_, *failure));
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return fail(file.errorString());
        if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
            !file.flush())
            return fail(file.errorString());
        if (::fsync(file.handle()) != 0)
            return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    // The index commits the addition: until it is written, the next load reads the file as before.
    const auto state = StateOfFile(path_);
    const auto hash = TailHashOfFile(path_, offset);
    if (!state || !hash || state->size != offset)
        return fail(QStringLiteral("it changed while records were added"));
    index.size = state->size;
    index.modified = state->modified;
    index.tailHash = *hash;
    if (const auto failure = WriteHistoryIndex(indexPath_, index))
        return fail(QStringLiteral("%1 could not be written: %2").arg(indexPath_, *failure));
    known_ = KnownFile{*state, index.records()};
    if (!settings_.write(keys::NeedSort, false))
        outcome.flagError = QStringLiteral("The setting \"NeedSort\" could not be written to %1; %2 was saved.")
                                .arg(settings_.path(), path_);
    outcome.status = HistorySaveOutcome::Status::Saved;
    outcome.written = static_cast<std::size_t>(index.records());
    return outcome;
}

std::optional<HistoryFileState> HistoryStore::writeIndex(std::vector<DayBlock> days)
{
    const auto state = StateOfFile(path_);
    const auto hash = state ? TailHashOfFile(path_, state->size) : std::nullopt;
    if (!state || !hash ||
        WriteHistoryIndex(indexPath_, HistoryIndex{state->size, state->modified, *hash, std::move(days), std::nullopt}))
        return std::nullopt;
    return state;
}

} // namespace tallywick
