#include "core/search/leaveout.h"

#include "core/log/responsefields.h"

namespace tallywick {

LeftOut LeaveOutTest::operator()(std::string_view line)
{
    if (options_.failed) {
        const auto status = ResponseStatus(line);
        if (status && (*status < 200 || *status > 299))
            return LeftOut::Failed;
    }
    if (options_.robots) {
        const auto agent = UserAgent(line);
        if (agent && isRobot(*agent))
            return LeftOut::Robot;
    }
    return LeftOut::No;
}

bool LeaveOutTest::isRobot(std::string_view userAgent)
{
    if (const auto known = robotAnswers_.find(userAgent))
        return *known;
    const bool robot = options_.robots->matches(userAgent);
    robotAnswers_.remember(userAgent, robot);
    return robot;
}

std::optional<bool> RecentAnswers::find(std::string_view agent)
{
    const auto found = index_.find(agent);
    if (found == index_.end())
        return std::nullopt;
    answers_.splice(answers_.begin(), answers_, found->second);
    return found->second->robot;
}

void RecentAnswers::remember(std::string_view agent, bool answer)
{
    if (const auto known = index_.find(agent); known != index_.end()) {
        known->second->robot = answer;
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
