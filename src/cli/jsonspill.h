#pragma once

#include "cli/jsonreadback.h"
#include "cli/jsonstream.h"
#include "core/search/reportsearch.h"

#include <QString>
#include <QTemporaryFile>

#include <array>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tallywick::cli {

// What a JsonSpillSink keeps in memory, and hands over at a time.
struct JsonSpillSizes {
    // The parts move to temporary files whenever together they hold this many bytes.
    std::size_t keptInMemory = std::size_t{32} << 20;
    // The hits' bytes are handed to the escaping thread in batches of this many.
    std::size_t batch = std::size_t{1} << 20;
};

// The parts of `search --json` that grow with the report, each panel's result text and the report
// hits, escaped for JSON on a thread of their own while the search goes on. Together they are kept
// in memory up to a bound, which the output of a report of a million lines or so stays under.
// Beyond it, an output of any size is written with no copy of it in memory: the hits of reports
// that can be read again are kept only as where their lines are, and made into the parts from the
// reports after the search (see JsonReadBack); others' parts move to temporary files, which the
// escaping thread writes. The parts are read only once every batch is escaped.
class JsonSpillSink final : public HitSink {
public:
    using Sizes = JsonSpillSizes;
    // Where the report hits go in the output: in an array in the top object. Written at another
    // depth they are indented as at this one.
    static constexpr int kReportHitDepth = 2;

    // Where the parts go beyond the bound: to temporary files, or, for reports that can be read
    // again, back to the reports.
    enum class Beyond { TemporaryFiles, ReportsReadBack };
    // Temporary files are made in folder, the system's by default.
    JsonSpillSink(std::array<bool, kPanelCount> moreFlags, Beyond beyond, Sizes sizes = {}, QString folder = {});
    JsonSpillSink(const JsonSpillSink&) = delete;
    JsonSpillSink& operator=(const JsonSpillSink&) = delete;
    void take(const SearchHit& hit) override;

    // Why a temporary file could not be made or written, when that happened. Like the writing
    // below, it waits for everything taken to be escaped first.
    std::optional<QString> error();
    // After the search, for the hits kept beyond the bound as where they are: maps the reports it
    // read. Why a report could not be mapped, when that happened.
    std::optional<QString> mapReports(const ReportPaths& reports, const std::vector<ReportStart>& starts);
    // Each writes its part as a JSON value, in this order: the results of panel 0 and 1, then the
    // report hits. False when a temporary file cannot be read back, or a line is no longer where
    // the search found it.
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

    // What the search handed over, not escaped yet: each piece a hit's line or its result text.
    struct Batch {
        static constexpr int kHits = kPanelCount; // a piece's part, after the panels' results
        struct Piece {
            std::size_t size;
            int part;
        };
        LargeText bytes;
        LargeVector<Piece> pieces;
        void clear()
        {
            bytes.clear();
            pieces.clear();
        }
    };
    void escape(const Batch& batch);
    // Waits for the batch before to be escaped, then has the one taken escaped.
    void handOver();
    void waitForEscaping();
    // Escapes what is left here; the parts are read next, so none moves to its file for it.
    void finishEscaping();
    // On the thread that escapes, after each batch handed over.
    void keepWithinBound();
    // What was kept of a part, then what is read back of it.
    bool writePart(Spill& spill, const std::function<void(std::string_view)>& write);

    std::array<bool, kPanelCount> moreFlags_;
    Beyond beyond_;
    Sizes sizes_;
    QString folder_;
    std::string hitStart_;
    std::size_t handedOver_ = 0; // the bytes of every batch handed over so far
    bool readingBack_ = false;   // beyond the bound: what is taken now is read back after the search
    JsonReadBack readBack_;
    std::array<Spill, kPanelCount> results_;
    Spill hits_; // each hit's line as an item of report_hits, laid out as it is written
    Batch taken_;
    Batch escaping_;
    // Last, so that it is let go first: its destructor waits for the escaping thread.
    std::future<void> escaped_;
};

} // namespace tallywick::cli
