#include "cli/jsonspill.h"

#include "cli/json.h"

#include <utility>
#include <vector>

namespace tallywick::cli {
namespace {

constexpr qint64 kReadBlock = qint64{1} << 20;

} // namespace

void JsonSpillSink::Spill::settle(std::size_t keepInMemory, const QString& folder)
{
    if (error_.isEmpty() && text_.size() < keepInMemory)
        return;
    // After a failure nothing is written: what comes after it is let go.
    if (error_.isEmpty() && !file_) {
        file_ = folder.isEmpty()
                    ? std::make_unique<QTemporaryFile>()
                    : std::make_unique<QTemporaryFile>(folder + QStringLiteral("/tallywick-search-XXXXXX.json"));
        if (!file_->open())
            error_ = file_->errorString();
    }
    if (error_.isEmpty() &&
        file_->write(text_.data(), static_cast<qint64>(text_.size())) != static_cast<qint64>(text_.size()))
        error_ = file_->errorString();
    text_.clear();
}

template <class Piece>
bool JsonSpillSink::Spill::readBack(Piece&& piece)
{
    if (!file_) {
        piece(std::string_view(text_));
        return true;
    }
    settle(0, {}); // the file is there already
    if (!error_.isEmpty() || !file_->flush() || !file_->seek(0))
        return false;
    std::vector<char> block(kReadBlock);
    for (;;) {
        const qint64 got = file_->read(block.data(), kReadBlock);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        piece(std::string_view(block.data(), static_cast<std::size_t>(got)));
    }
}

JsonSpillSink::JsonSpillSink(std::array<bool, kPanelCount> moreFlags, std::size_t keptInMemory, QString folder) :
    moreFlags_(moreFlags), keptInMemory_(keptInMemory), folder_(std::move(folder))
{
}

void JsonSpillSink::take(const SearchHit& hit)
{
    if (!hit.repeated) {
        AppendJsonStringBody(hits_.text(), hit.line);
        hits_.text() += '\n';
        hits_.settle(keptInMemory_, folder_);
    }
    // A result piece ends with its line break: escaped piece by piece it reads as escaped whole.
    line_.clear();
    AppendResultText(line_, hit, moreFlags_[hit.panel]);
    Spill& result = results_[hit.panel];
    AppendJsonStringBody(result.text(), line_);
    result.settle(keptInMemory_, folder_);
}

std::optional<QString> JsonSpillSink::error() const
{
    for (const Spill* spill : {&results_[0], &results_[1], &hits_}) {
        if (!spill->error().isEmpty())
            return spill->error();
    }
    return std::nullopt;
}

bool JsonSpillSink::writeResult(int panel, JsonStream& json)
{
    json.beginString();
    const bool read = results_[panel].readBack([&](std::string_view piece) { json.stringPiece(piece); });
    json.endString();
    return read;
}

bool JsonSpillSink::writeReportHits(JsonStream& json)
{
    json.beginArray();
    bool inString = false;
    const bool read = hits_.readBack([&](std::string_view piece) {
        while (!piece.empty()) {
            if (!inString) {
                json.beginString();
                inString = true;
            }
            const auto end = piece.find('\n');
            json.stringPiece(piece.substr(0, end));
            if (end == std::string_view::npos)
                return;
            json.endString();
            inString = false;
            piece.remove_prefix(end + 1);
        }
    });
    if (inString)
        json.endString();
    json.endArray();
    return read;
}

} // namespace tallywick::cli
