#pragma once

#include <cstdint>
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

// Decides, line by line, whether a hit is left out. A line that both options leave out is
// failed. A line whose status cannot be read is kept, and so is one without a user agent.
class LeaveOutTest {
public:
    explicit LeaveOutTest(LeaveOutOptions options) : options_(options) {}

    bool active() const { return options_.active(); }
    LeftOut operator()(std::string_view line);

private:
    bool isRobot(std::string_view userAgent);

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
    };

    LeaveOutOptions options_;
    // A log repeats a few user agents many times: each is matched once per search.
    std::unordered_map<std::string, bool, Hash, std::equal_to<>> robotAnswers_;
};

} // namespace tallywick
