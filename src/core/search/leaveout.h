#pragma once

#include "core/log/logfields.h"

#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tallywick {

// What a user agent is: a person's (no pattern of the list matches it), a download tool's
// (every pattern that matches it is tagged as an HTTP library: curl, wget, python-requests, a
// download manager), or a robot's (any other match).
enum class AgentKind { Person, Robot, DownloadTool };

// Tells robots and download tools by their user agent. The engine reads no files, so the caller
// loads the list.
class UserAgentMatcher {
public:
    virtual ~UserAgentMatcher() = default;
    virtual AgentKind kindOf(std::string_view userAgent) const = 0;
    // Which pattern makes userAgent a robot, as its place in the list, when the matcher can tell.
    virtual std::optional<std::size_t> robotPattern(std::string_view /*userAgent*/) const { return std::nullopt; }
};

// Which hits a search leaves out before it counts them. All off leaves every count as it was.
// The two agent options work apart from each other, usually with the same matcher.
struct LeaveOutOptions {
    bool failed = false;                             // a status other than 2xx (304 downloads nothing)
    const UserAgentMatcher* robots = nullptr;        // robots are left out when set
    const UserAgentMatcher* downloadTools = nullptr; // download tools are left out when set

    bool active() const { return failed || robots != nullptr || downloadTools != nullptr; }
    bool judgesAgents() const { return robots != nullptr || downloadTools != nullptr; }
};

enum class LeftOut { No, Failed, Robot, DownloadTool };

struct LeftOutCounts {
    std::int64_t robots = 0;
    std::int64_t failed = 0;
    std::int64_t downloadTools = 0;
    bool operator==(const LeftOutCounts&) const = default;
};

// The hit lines judged by their user agent, and how many had one that could be read ("-"
// included): a log in the Common format, or another without agents, leaves no robot out, and
// the counts say so.
struct AgentsRead {
    std::int64_t judged = 0;
    std::int64_t withAgent = 0;
    bool none() const { return judged > 0 && withAgent == 0; }
    bool operator==(const AgentsRead&) const = default;
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
    std::optional<AgentKind> find(std::string_view agent);
    // An agent longer than all the answers may hold is not kept.
    void remember(std::string_view agent, AgentKind answer);

    std::size_t size() const { return index_.size(); }
    std::size_t bytes() const { return bytes_; } // of the agents' text

private:
    void forgetLeastRecent();

    struct Answer {
        std::string agent;
        AgentKind kind = AgentKind::Person;
    };
    using Answers = std::list<Answer>; // the most recent first

    Answers answers_;
    std::unordered_map<std::string_view, Answers::iterator> index_; // the keys view into answers_
    std::size_t bytes_ = 0;
};

// Decides, line by line, whether a hit is left out. A line that a failed status and its agent
// would both leave out is failed. A line whose status cannot be read is kept, and so is one
// without a user agent (the Common format has none).
class LeaveOutTest {
public:
    explicit LeaveOutTest(LeaveOutOptions options) : options_(options) {}

    bool active() const { return options_.active(); }
    LeftOut operator()(std::string_view line);
    // The same for a line already read.
    LeftOut operator()(const LogFields& fields);
    const AgentsRead& agentsRead() const { return agentsRead_; }

private:
    AgentKind kindOf(std::string_view userAgent);

    LeaveOutOptions options_;
    RecentAnswers agentAnswers_;
    AgentsRead agentsRead_;
};

} // namespace tallywick
