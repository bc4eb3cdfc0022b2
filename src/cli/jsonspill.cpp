#include "cli/jsonspill.h"

#include "cli/json.h"

#include <system_error>
#include <utility>
#include <vector>

namespace tallywick::cli {
namespace {

constexpr qint64 kReadBlock = qint64{1} << 20;

} // namespace

void JsonSpillSink::Spill::moveToFile(const QString& folder)
{
    if (text_.empty())
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
    moveToFile({}); // the file is there already
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

JsonSpillSink::JsonSpillSink(std::array<bool, kPanelCount> moreFlags, Beyond beyond, Sizes sizes, QString folder) :
    moreFlags_(moreFlags), beyond_(beyond), sizes_(sizes), folder_(std::move(folder)),
    hitStart_(JsonStream::ItemStart(kReportHitDepth) + '"'), readBack_(moreFlags, hitStart_)
{
}

void JsonSpillSink::take(const SearchHit& hit)
{
    if (readingBack_) {
        readBack_.take(hit);
        return;
    }
    if (!hit.repeated) {
        taken_.bytes += hit.line;
        taken_.pieces.push_back({hit.line.size(), Batch::kHits});
    }
    const std::size_t resultStart = taken_.bytes.size();
    AppendResultText(taken_.bytes, hit, moreFlags_[hit.panel]);
    taken_.pieces.push_back({taken_.bytes.size() - resultStart, hit.panel});
    if (taken_.bytes.size() >= sizes_.batch)
        handOver();
}

void JsonSpillSink::escape(const Batch& batch)
{
    const char* bytes = batch.bytes.data();
    for (const Batch::Piece& piece : batch.pieces) {
        const std::string_view text(bytes, piece.size);
        bytes += piece.size;
        if (piece.part == Batch::kHits) {
            hits_.text() += hitStart_;
            AppendJsonStringBody(hits_.text(), text);
            hits_.text() += '"';
        } else {
            // A result piece ends with its line break: escaped piece by piece it reads as
            // escaped whole.
            AppendJsonStringBody(results_[piece.part].text(), text);
        }
    }
}

void JsonSpillSink::handOver()
{
    handedOver_ += taken_.bytes.size();
    // Every hit from here on is read back: those before are all in batches.
    readingBack_ = beyond_ == Beyond::ReportsReadBack && handedOver_ >= sizes_.keptInMemory;
    waitForEscaping();
    std::swap(taken_, escaping_);
    taken_.clear();
    const auto escapeBatch = [this] {
        escape(escaping_);
        keepWithinBound();
    };
    try {
        escaped_ = std::async(std::launch::async, escapeBatch);
    } catch (const std::system_error&) {
        escapeBatch(); // no thread to be had: escaped here, as it comes
    }
}

void JsonSpillSink::waitForEscaping()
{
    if (escaped_.valid())
        escaped_.get(); // and what the thread threw, such as std::bad_alloc, is thrown here
}

void JsonSpillSink::keepWithinBound()
{
    // All parts at once, so that each is written in large pieces.
    if (beyond_ == Beyond::TemporaryFiles &&
        results_[0].text().size() + results_[1].text().size() + hits_.text().size() >= sizes_.keptInMemory) {
        for (Spill* spill : {&results_[0], &results_[1], &hits_})
            spill->moveToFile(folder_);
    }
}

void JsonSpillSink::finishEscaping()
{
    waitForEscaping();
    escape(taken_);
    taken_.clear();
}

std::optional<QString> JsonSpillSink::error()
{
    finishEscaping();
    for (const Spill* spill : {&results_[0], &results_[1], &hits_}) {
        if (!spill->error().isEmpty())
            return spill->error();
    }
    return std::nullopt;
}

std::optional<QString> JsonSpillSink::mapReports(const ReportPaths& reports, const std::vector<ReportStart>& starts)
{
    return readBack_.mapReports(reports, starts);
}

bool JsonSpillSink::writePart(Spill& spill, const std::function<void(std::string_view)>& write)
{
    finishEscaping();
    const bool kept = spill.readBack(write);
    return readBack_.writePart(write) && kept;
}

bool JsonSpillSink::writeResult(int panel, JsonStream& json)
{
    json.beginString();
    const bool read = writePart(results_[panel], [&](std::string_view piece) { json.stringPiece(piece); });
    json.endString();
    return read;
}

bool JsonSpillSink::writeReportHits(JsonStream& json)
{
    json.beginArray();
    const bool read = writePart(hits_, [&](std::string_view piece) { json.laidOutItems(piece); });
    json.endArray();
    return read;
}

} // namespace tallywick::cli
