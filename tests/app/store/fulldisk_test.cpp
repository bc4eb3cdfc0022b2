// Saves on a disk that runs out of room, for real: in a child process whose files may not grow
// past a limit, and on a tiny file system of its own where that can be mounted.

#include "app/files/replacefile.h"
#include "app/store/linesfile.h"
#include "support/storetesting.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallywick {
namespace {

using namespace testing;

constexpr const char* kCannotMount = "<cannot mount>";

// What work says, run in a child process so that its limits and mounts stay there.
std::string InChild(const std::function<std::string()>& work)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return "<no pipe>";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        const std::string said = work();
        [[maybe_unused]] const auto written = ::write(ends[1], said.data(), said.size());
        ::_exit(0);
    }
    ::close(ends[1]);
    std::string said;
    char block[512];
    for (ssize_t got; (got = ::read(ends[0], block, sizeof block)) > 0;)
        said.append(block, static_cast<std::size_t>(got));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return said;
}

void LimitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

std::string Said(const std::optional<QString>& error)
{
    return error ? error->toStdString() : "saved";
}

std::vector<std::string> Records(std::size_t count)
{
    return std::vector<std::string>(count, std::string(98, 'r'));
}

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(path(), "previous\r\n"); }
    void TearDown() override
    {
        EXPECT_EQ(FileBytes(path()), "previous\r\n");
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"history.dat"})
            << "no temporary file is left behind";
    }
    QString path() const { return dir_.filePath("history.dat"); }
    QTemporaryDir dir_;
};

// A save that fits in Qt's own buffer meets the limit only when it commits; a large one on its
// way. Either way the file stays whole and the reason is the system's own.
TEST_F(FullDiskTest, ASaveBeyondTheRoomLeftSaysWhyAndKeepsThePreviousFile)
{
    for (const std::size_t records : {100u, 30000u}) {
        const auto said = InChild([&] {
            LimitFileSize(4096);
            return Said(WriteLinesFile(path(), Records(records)));
        });
        EXPECT_EQ(said, "File too large") << records << " records";
    }
    const auto exported = InChild([&] {
        LimitFileSize(4096);
        return Said(ReplaceFile(path(), QByteArray(10000, 'x')));
    });
    EXPECT_EQ(exported, "File too large");
}

TEST(FullFileSystem, IsReportedAsNoSpaceLeftOnDevice)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("history.dat");
    const auto said = InChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", dir.path().toLocal8Bit().constData(), "tmpfs", 0, "size=8k") != 0)
            return std::string(kCannotMount);
        WriteBytes(path, "previous\r\n");
        std::string result;
        for (const std::size_t records : {150u, 30000u})
            result += Said(WriteLinesFile(path, Records(records))) + "; ";
        return result + FileBytes(path);
    });
    if (said == kCannotMount)
        GTEST_SKIP() << "a file system of its own needs the right to mount one";
    EXPECT_EQ(said, "No space left on device; No space left on device; previous\r\n");
}

} // namespace
} // namespace tallywick
