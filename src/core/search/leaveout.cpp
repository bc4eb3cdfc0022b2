#include "core/search/leaveout.h"

namespace tallywick {

LeftOut LeaveOutTest::operator()(std::string_view line)
{
    return (*this)(ReadLogFields(line));
}

LeftOut LeaveOutTest::operator()(const LogFields& fields)
{
    if (options_.judgesAgents()) {
        ++agentsRead_.judged;
        if (fields.userAgent)
            ++agentsRead_.withAgent;
    }
    if (options_.failed && fields.status && (*fields.status < 200 || *fields.status > 299))
        return LeftOut::Failed;
    if (!options_.judgesAgents() || !fields.userAgent)
        return LeftOut::No;
    const AgentKind kind = kindOf(*fields.userAgent);
    if (kind == AgentKind::Robot && options_.robots)
        return LeftOut::Robot;
    if (kind == AgentKind::DownloadTool && options_.downloadTools)
        return LeftOut::DownloadTool;
    return LeftOut::No;
}

AgentKind LeaveOutTest::kindOf(std::string_view userAgent)
{
    if (const auto known = agentAnswers_.find(userAgent))
        return *known;
    const auto* matcher = options_.robots ? options_.robots : options_.downloadTools;
    const AgentKind kind = matcher->kindOf(userAgent);
    agentAnswers_.remember(userAgent, kind);
    return kind;
}

std::optional<AgentKind> RecentAnswers::find(std::string_view agent)
{
    const auto found = index_.find(agent);
    if (found == index_.end())
        return std::nullopt;
    answers_.splice(answers_.begin(), answers_, found->second);
    return found->second->kind;
}

void RecentAnswers::remember(std::string_view agent, AgentKind answer)
{
    if (const auto known = index_.find(agent); known != index_.end()) {
        known->second->kind = answer;
        return;
    }
    if (agent.size() > kMostBytes)
        return;
    while (index_.size() >= kMostAgents || bytes_ + agent.size() > kMostBytes)
        forgetLeastRecent();
    answers_.push_front({std::string(agent), answer});
    index_.emplace(answers_.front().agent, answers_.begin());
    bytes_ += agent.size();
}

void RecentAnswers::forgetLeastRecent()
{
    const Answer& last = answers_.back();
    bytes_ -= last.agent.size();
    index_.erase(last.agent);
    answers_.pop_back();
}

} // namespace tallywick
