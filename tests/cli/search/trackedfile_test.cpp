#include "cli/clitest.h"

namespace tallywick {
namespace {

using namespace testing;

class SearchTrackedFile : public CliTest {};

TEST_F(SearchTrackedFile, AReadErrorIsAFailureNotAnEmptyList)
{
    const QString report = dir_.filePath("Hits.txt");
    WriteBytes(report, "");
    // Opens, then fails to read at its start.
    const auto result = run({"search", report, "--tracked", "/proc/self/mem", "--json"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "/proc/self/mem: Input/output error\n");
    EXPECT_EQ(result.out, "");
}

} // namespace
} // namespace tallywick
