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
// hits, escaped for JSON as the search hands them over and moved to a temporary file once they
// outgrow a few megabytes: the output is then written with no copy of them in memory.
class JsonSpillSink final : public HitSink {
public:
    static constexpr std::size_t kKeptInMemory = std::size_t{4} << 20;

    // Each part moves to a temporary file in folder (the system's by default) once it holds
    // keptInMemory bytes.
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
        // Appended to before each settle().
        LargeText& text() { return text_; }
        void settle(std::size_t keepInMemory, const QString& folder);
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
    Spill hits_; // each hit's line escaped, a line break after it (an escaped text holds none)
    std::string line_;
};

} // namespace tallywick::cli
