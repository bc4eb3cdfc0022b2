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
    if (const auto known = robotAnswers_.find(userAgent); known != robotAnswers_.end())
        return known->second;
    const bool robot = options_.robots->matches(userAgent);
    robotAnswers_.emplace(userAgent, robot);
    return robot;
}

} // namespace tallywick
