#pragma once

#include "cli/jsonstream.h"
#include "core/search/reportsearch.h"

#include <QString>
#include <QTemporaryFile>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tallywick::cli {

// The parts of `search --json` that grow with the report, each panel's result text and the report
// hits, escaped for JSON as the search hands them over. Together they are kept in memory up to a
// bound, which the output of a report of a million lines or so stays under; beyond it they move
// to temporary files, so that an output of any size is written with no copy of it in memory.
class JsonSpillSink final : public HitSink {
public:
    static constexpr std::size_t kKeptInMemory = std::size_t{32} << 20;
    // Where the report hits go in the output: in an array in the top object. Written at another
    // depth they are indented as at this one.
    static constexpr int kReportHitDepth = 2;

    // The parts move to temporary files in folder (the system's by default) whenever together
    // they hold keptInMemory bytes.
    explicit JsonSpillSink(std::array<bool, kPanelCount> moreFlags, std::size_t keptInMemory = kKeptInMemory,
                           QString folder = {});
    void take(const SearchHit& hit) override;

    // Why a temporary file could not be made or written, when that happened.
    std::optional<QString> error() const;
    // Each writes its part as a JSON value; false when its temporary file cannot be read back.
    bool writeResult(int panel, JsonStream& json);
    bool writeReportHits(JsonStream& json);

private:
    // Escaped bytes, in memory up to a bound and then in a temporary file.
    class Spill {
    public:
        LargeText& text() { return text_; }
        // Appends the text to the file, made in folder the first time.
        void moveToFile(const QString& folder);
        const QString& error() const { return error_; }
        // Hands every byte to piece() in order; false when the file cannot be read back.
        template <class Piece>
        bool readBack(Piece&& piece);

    private:
        LargeText text_;
        std::unique_ptr<QTemporaryFile> file_;
        QString error_;
    };

    std::array<bool, kPanelCount> moreFlags_;
    std::size_t keptInMemory_;
    QString folder_;
    std::array<Spill, kPanelCount> results_;
    std::string hitStart_;
    Spill hits_; // each hit's line as an item of report_hits, laid out as it is written
    std::string line_;
};

} // namespace tallywick::cli
