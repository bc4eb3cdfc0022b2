#include "cli/clitest.h"

namespace tallywick {
namespace {

using namespace testing;

class SearchTrackedFile : public CliTest {};

TEST_F(SearchTrackedFile, AReadErrorIsAFailureNotAnEmptyList)
{
    const QString report = dir_.filePath(QStringLiteral("Hits.txt"));
    WriteBytes(report, "");
    // Opens, then fails to read at its start.
    const auto result = run({QStringLiteral("search"), report, QStringLiteral("--tracked"),
                             QStringLiteral("/proc/self/mem"), QStringLiteral("--json")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "/proc/self/mem: Input/output error\n");
    EXPECT_EQ(result.out, "");
}

} // namespace
} // namespace tallywick
