#pragma once

// A user-agent matcher for tests that need robots and download tools without the robot list.

#include "core/search/leaveout.h"

namespace tallywick::testing {

// Robots hold "bot" (the list's pattern 7 says so), download tools begin with "curl".
class TestAgents final : public UserAgentMatcher {
public:
    static constexpr std::size_t kRobotPattern = 7;

    AgentKind kindOf(std::string_view userAgent) const override
    {
        if (userAgent.find("bot") != std::string_view::npos)
            return AgentKind::Robot;
        return userAgent.starts_with("curl") ? AgentKind::DownloadTool : AgentKind::Person;
    }
    std::optional<std::size_t> robotPattern(std::string_view userAgent) const override
    {
        return kindOf(userAgent) == AgentKind::Robot ? std::optional(kRobotPattern) : std::nullopt;
    }
};

} // namespace tallywick::testing
