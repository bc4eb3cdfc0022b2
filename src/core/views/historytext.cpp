#include "core/views/historytext.h"

#include "core/views/historyspan.h"
#include "core/views/recordrules.h"
#include "core/views/viewtext.h"

namespace tallywick {

HistoryTextResult HistoryText(const std::vector<std::string>& history, std::optional<std::string_view> item)
{
    HistoryTextResult result;
    for (const auto& record : history) {
        if (record.empty())
            continue;
        if (!item || HoldsItemInRequestPart(record, *item))
            AppendRecord(result.text, record, result.hits);
    }
    result.span = HistorySpan(history);
    return result;
}

} // namespace tallywick
