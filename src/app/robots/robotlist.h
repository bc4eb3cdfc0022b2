#pragma once

#include "core/search/leaveout.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

inline constexpr const char* kRobotListName = "robot-patterns.txt";
// The tag of the patterns that match download tools and HTTP libraries (curl, wget, ...).
inline constexpr std::string_view kHttpLibraryTag = "http-library";

// A pattern the regular-expression library cannot take, and the library's reason.
struct RejectedPattern {
    std::string pattern;
    std::string reason;
};

// Tells robots and download tools by a list of regular expressions, all matched in one pass over
// a user agent. Matching is thread-safe: a search running off the UI thread may share one matcher.
class RobotMatcher final : public UserAgentMatcher {
public:
    static constexpr std::size_t kRejectedKept = 3;

    ~RobotMatcher() override;

    // The patterns the regular-expression library cannot take are left out and counted, the first
    // few kept with the reason. When the others do not fit in the memory budget together, the
    // matcher matches nothing and says so. tags, when given, holds each pattern's tags.
    static std::unique_ptr<RobotMatcher> FromPatterns(const std::vector<std::string>& patterns,
                                                      const std::vector<std::vector<std::string>>& tags = {});

    // Whether any pattern matches.
    bool matches(std::string_view userAgent) const;
    // A download tool when every matching pattern is tagged kHttpLibraryTag, a robot when any
    // other matches, a person when none does.
    AgentKind kindOf(std::string_view userAgent) const override;
    // The first pattern in the list, not tagged kHttpLibraryTag, that matches.
    std::optional<std::size_t> robotPattern(std::string_view userAgent) const override;
    // The pattern at a place in the list given.
    const std::string& patternAt(std::size_t place) const { return patterns_.at(place); }
    // The patterns that match, as their places in the list given (ascending).
    std::vector<std::size_t> matchingPatterns(std::string_view userAgent) const;
    std::size_t patternCount() const { return patternCount_; }
    std::size_t rejectedCount() const { return rejectedCount_; }
    const std::vector<RejectedPattern>& firstRejected() const { return firstRejected_; }
    bool overMemoryBudget() const { return overMemoryBudget_; }
    std::int64_t memoryBudget() const { return memoryBudget_; }

private:
    RobotMatcher();

    struct Compiled; // the regular-expression set, kept out of this header
    std::unique_ptr<Compiled> compiled_;
    std::vector<std::string> patterns_;    // as given, those left out too
    std::vector<std::size_t> placeInList_; // of each compiled pattern
    std::vector<bool> httpLibrary_;        // of each compiled pattern
    std::size_t patternCount_ = 0;
    std::size_t rejectedCount_ = 0;
    std::vector<RejectedPattern> firstRejected_;
    bool overMemoryBudget_ = false;
    std::int64_t memoryBudget_ = 0;
};

struct RobotList {
    std::vector<std::string> patterns;
    std::vector<std::vector<std::string>> tags; // of each pattern
    QString description;                        // the file's first comment line: the list's name, version and licence
};

// Reads a pattern file: one pattern a line, then, after a tab, its tags separated by commas
// ("[wW]get<TAB>http-library"); lines that begin with "# " and empty lines skipped. Empty when it
// cannot be read, with the reason in error.
std::optional<RobotList> ReadRobotList(const QString& path, QString* error);

// The robot list beside the program: installed under the prefix, or at the top of the build
// tree when the program runs from there. Empty when there is none.
QString FindRobotList(const QString& programFolder);

// The list read and compiled, or the reason it could not be. A list that works without some of
// its patterns says which in warning.
struct LoadedRobots {
    std::unique_ptr<RobotMatcher> matcher;
    QString error;
    QString warning = {};
};
LoadedRobots LoadRobotList(const QString& path);
LoadedRobots LoadRobotMatcher(const QString& programFolder);

} // namespace tallywick
