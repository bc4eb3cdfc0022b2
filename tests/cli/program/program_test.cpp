// tallywick-cli as a process: what reaches it from the system and what it says back.

#include "cli/clitest.h"
#include "core/history/historyrecords.h"

#include <QProcess>

#include <chrono>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallywick {
namespace {

using namespace testing;
using namespace std::chrono_literals;

struct ProcessRun {
    int code = -1;
    std::string err;
    bool timedOut = false;
};

// Runs the program with the arguments' bytes as given and its output going to outputPath. One
// that has not ended within the time given is killed: a test of something that used to hang
// fails instead of waiting forever.
ProcessRun RunProgram(std::vector<std::string> arguments, const char* outputPath,
                      std::chrono::seconds timeout = std::chrono::seconds(60))
{
    arguments.insert(arguments.begin(), TALLYWICK_CLI);
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const int output = ::open(outputPath, O_WRONLY);
        ::dup2(output, 1);
        ::dup2(errorPipe[1], 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(errorPipe[1]);
    ProcessRun run;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    pollfd error{errorPipe[0], POLLIN, 0};
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.timedOut = true;
            ::kill(child, SIGKILL);
            break;
        }
        if (::poll(&error, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char block[512];
        const ssize_t got = ::read(errorPipe[0], block, sizeof block);
        if (got <= 0)
            break;
        run.err.append(block, static_cast<std::size_t>(got));
    }
    ::close(errorPipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.code = !run.timedOut && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A process that writes to a pipe once and ends, as a log shipper does: its open waits for a
// reader, and a reader that closes the pipe before the write kills it with SIGPIPE.
class PipeWriter {
public:
    PipeWriter(const QString& pipe, const std::string& bytes)
    {
        writer_.start("/bin/sh", {"-c", "printf '%s' \"$1\" > \"$0\"", pipe, QString::fromStdString(bytes)});
        writer_.waitForStarted();
    }
    // How it ended: 0 once it wrote everything to a reader.
    int exitCode()
    {
        writer_.waitForFinished(60'000);
        return writer_.exitStatus() == QProcess::NormalExit ? writer_.exitCode() : -1;
    }

private:
    QProcess writer_;
};

class ProgramTest : public CliTest {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(dataDir())); }
    std::vector<std::string> withFolders(std::vector<std::string> arguments) const
    {
        for (const QString& common : QStringList{"--data-dir", dataDir(), "--config", configPath()})
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
    const QString report = dir_.filePath("Hits.txt");
    WriteBytes(report, Record({}) + "\r\n");
    const auto result =
        RunProgram(withFolders({"record", report.toStdString(), "--today", "2026-12-05", "--json"}), "/dev/full");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "tallywick-cli: the output could not be written: No space left on device\n");
    EXPECT_EQ(FileBytes(dataFile("history.dat")), Record({}) + "\r\n");
}

// A report that is a pipe is opened once and read as it comes, as cat reads it; opened a second
// time, it would wait for a writer that is gone, with the data folder's lock held.
TEST_F(ProgramTest, AReportThatIsAPipeIsOpenedOnceAndReadAsItComes)
{
    WriteBytes(dataFile("tracking.dat"), "/quarnel/shareware/pelmor.zip\r\n");
    const QString pipe = dir_.filePath("access.pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString rotated = dir_.filePath("access.log.1");
    WriteBytes(rotated, RecordOn("03/Dec/2026") + "\r\n");
    const std::string fromPipe = RecordOn("04/Dec/2026") + "\r\n" + Record({.host = "192.0.2.9"}) + "\r\n";
    const std::string output = dir_.filePath("output.txt").toStdString();
    WriteBytes(QString::fromStdString(output), "");

    PipeWriter searchWriter(pipe, fromPipe);
    const auto searched =
        RunProgram(withFolders({"search", pipe.toStdString(), rotated.toStdString()}), output.c_str(), 30s);
    ASSERT_FALSE(searched.timedOut) << "the pipe was opened again";
    EXPECT_EQ(searched.code, 0) << searched.err;
    EXPECT_EQ(searchWriter.exitCode(), 0) << "the writer was cut off";
    EXPECT_TRUE(FileBytes(QString::fromStdString(output)).starts_with("All Found: 3 of 3\n"));

    PipeWriter recordWriter(pipe, fromPipe);
    const auto recorded =
        RunProgram(withFolders({"record", pipe.toStdString(), rotated.toStdString(), "--today", "2026-12-05"}),
                   output.c_str(), 30s);
    ASSERT_FALSE(recorded.timedOut) << "the pipe was opened again";
    EXPECT_EQ(recorded.code, 0) << recorded.err;
    EXPECT_EQ(recordWriter.exitCode(), 0) << "the writer was cut off";
    const std::string said = FileBytes(QString::fromStdString(output));
    EXPECT_TRUE(said.starts_with("Lines read: 3\nRecorded: 3\n")) << said;
    // The days come from the search's own read of the pipe.
    const std::string coverage = FileBytes(dataFile("coverage.dat"));
    for (const char* day : {"2026-12-03", "2026-12-04", "2026-12-05"})
        EXPECT_NE(coverage.find(day), std::string::npos) << day << " in " << coverage;
}

} // namespace
} // namespace tallywick
