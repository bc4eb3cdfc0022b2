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
    answers_.push_front({std::string(agent), answer});
    const auto [known, added] = index_.try_emplace(answers_.front().agent, answers_.begin());
    if (!added) {
        answers_.pop_front();
        known->second->robot = answer;
        return;
    }
    bytes_ += agent.size();
}

} // namespace tallywick
