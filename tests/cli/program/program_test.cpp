// tallywick-cli as a process: what reaches it from the system and what it says back.

#include "cli/clitest.h"
#include "core/history/historyrecords.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallywick {
namespace {

using namespace testing;

struct ProcessRun {
    int code = -1;
    std::string err;
};

// Runs the program with the arguments' bytes as given and its output going to outputPath.
ProcessRun RunProgram(std::vector<std::string> arguments, const char* outputPath)
{
    arguments.insert(arguments.begin(), TALLYWICK_CLI);
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int errorPipe[2];
    if (::pipe(errorPipe) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const int output = ::open(outputPath, O_WRONLY);
        ::dup2(output, 1);
        ::dup2(errorPipe[1], 2);
        ::close(errorPipe[0]);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(errorPipe[1]);
    ProcessRun run;
    char block[512];
    for (ssize_t got; (got = ::read(errorPipe[0], block, sizeof block)) > 0;)
        run.err.append(block, static_cast<std::size_t>(got));
    ::close(errorPipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class ProgramTest : public CliTest {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(dataDir())); }
    std::vector<std::string> withFolders(std::vector<std::string> arguments) const
    {
        for (const QString& common :
             {QStringLiteral("--data-dir"), dataDir(), QStringLiteral("--config"), configPath()})
            arguments.push_back(common.toStdString());
        return arguments;
    }
};

TEST_F(ProgramTest, ArgumentsReachTheDataFilesAsTheirBytes)
{
    const auto added = RunProgram(withFolders({"track", "add", "/caf\xe9.zip"}), "/dev/null");
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(FileBytes(dataFile("tracking.dat")), "/caf\xe9.zip\r\n");
    const auto removed = RunProgram(withFolders({"track", "remove", "/caf\xe9.zip"}), "/dev/null");
    EXPECT_EQ(removed.code, 0) << removed.err;
    EXPECT_EQ(FileBytes(dataFile("tracking.dat")), "");
}

TEST_F(ProgramTest, AnOutputThatCannotBeWrittenIsReportedAfterTheSave)
{
    WriteBytes(dataFile("tracking.dat"), "/quarnel/shareware/pelmor.zip\r\n");
    const QString report = dir_.filePath(QStringLiteral("Hits.txt"));
    WriteBytes(report, Record({}) + "\r\n");
    const auto result =
        RunProgram(withFolders({"record", report.toStdString(), "--today", "2026-12-05", "--json"}), "/dev/full");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "tallywick-cli: the output could not be written: No space left on device\n");
    EXPECT_EQ(FileBytes(dataFile("history.dat")), Record({}) + "\r\n");
}

} // namespace
} // namespace tallywick
