#pragma once

#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tallywick {

// Tells robots by their user agent. The engine reads no files, so the caller loads the list.
class UserAgentMatcher {
public:
    virtual ~UserAgentMatcher() = default;
    virtual bool matches(std::string_view userAgent) const = 0;
};

// Which hits a search leaves out before it counts them. Both off leaves every count as it was.
struct LeaveOutOptions {
    bool failed = false;                      // a status other than 2xx (304 downloads nothing)
    const UserAgentMatcher* robots = nullptr; // robots are left out when set

    bool active() const { return failed || robots != nullptr; }
};

enum class LeftOut { No, Failed, Robot };

struct LeftOutCounts {
    std::int64_t robots = 0;
    std::int64_t failed = 0;
    bool operator==(const LeftOutCounts&) const = default;
};

// The robot answers for the user agents met last in a search. A log repeats a few agents many
// times, so each is matched about once; but a client chooses its agent, so a log may hold as many
// as it has lines, and the least recent answers make room.
class RecentAnswers {
public:
    static constexpr std::size_t kMostAgents = 4'096;
    static constexpr std::size_t kMostBytes = std::size_t{1} << 20; // of their text; 8 KB is a long agent

    RecentAnswers() = default;
    // A copy's index would view into the original's agents.
    RecentAnswers(const RecentAnswers&) = delete;
    RecentAnswers& operator=(const RecentAnswers&) = delete;
    RecentAnswers(RecentAnswers&&) = default;
    RecentAnswers& operator=(RecentAnswers&&) = default;

    // The answer for agent, which then counts as the most recent.
    std::optional<bool> find(std::string_view agent);
    // An agent longer than all the answers may hold is not kept.
    void remember(std::string_view agent, bool answer);

    std::size_t size() const { return index_.size(); }
    std::size_t bytes() const { return bytes_; } // of the agents' text

private:
    void forgetLeastRecent();

    struct Answer {
        std::string agent;
        bool robot = false;
    };
    using Answers = std::list<Answer>; // the most recent first

    Answers answers_;
    std::unordered_map<std::string_view, Answers::iterator> index_; // the keys view into answers_
    std::size_t bytes_ = 0;
};

// Decides, line by line, whether a hit is left out. A line that both options leave out is
// failed. A line whose status cannot be read is kept, and so is one without a user agent.
class LeaveOutTest {
public:
    explicit LeaveOutTest(LeaveOutOptions options) : options_(options) {}

    bool active() const { return options_.active(); }
    LeftOut operator()(std::string_view line);

private:
    bool isRobot(std::string_view userAgent);

    LeaveOutOptions options_;
    RecentAnswers robotAnswers_;
};

} // namespace tallywick
