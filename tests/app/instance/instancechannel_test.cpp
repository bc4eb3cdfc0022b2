#include "app/instance/channelfolder.h"
#include "app/instance/instancechannel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <future>
#include <thread>

#include <grp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallywick {
namespace {

using namespace std::chrono_literals;

constexpr uid_t kNobody = 65534;

TEST(InstanceRequest, RoundTripsAndRefusesWhatItDoesNotSend)
{
    const InstanceRequest show;
    const InstanceRequest one{{"/var/log/caf\u00e9 access.log.1"}};
    const InstanceRequest several{{"/logs/a b.log", "/logs/100%\nshow.log", "/logs/access.log"}};
    EXPECT_EQ(EncodeInstanceRequest(show), QByteArray("show\n"));
    EXPECT_EQ(EncodeInstanceRequest({{"/logs/a.log", "/logs/b c"}}), QByteArray("open /logs/a.log /logs/b%20c\n"));
    for (const auto& request : {show, one, several})
        EXPECT_EQ(DecodeInstanceRequest(EncodeInstanceRequest(request)), request);
    for (const char* garbage :
         {"", "\n", "open\n", "open \n", "open /a  /b\n", "open /a /b \n", "open a.log\n", "open /a%00b\n",
          "open /a\tb\n", "opener /a\n", "shows\n", "GET / HTTP/1.1\r\n", "show\nopen /x\n"})
        EXPECT_FALSE(DecodeInstanceRequest(QByteArrayView(garbage))) << garbage;
}

TEST(InstanceRequest, OneNamePerDataFolderHoweverItIsSpelt)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("data");
    EXPECT_EQ(InstanceChannelName(folder), InstanceChannelName(folder + "/"));
    EXPECT_EQ(InstanceChannelName(folder), InstanceChannelName(dir.path() + "/x/../data"));
    EXPECT_NE(InstanceChannelName(folder), InstanceChannelName(dir.filePath("other")));
}

mode_t ModeOf(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void MakeFolder(const QString& path, mode_t mode)
{
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// Only a folder that this user alone can reach takes the channel: anyone else who could bind its
// name there first would hear the reports this user opens.
TEST(ChannelFolder, OnlyAFolderOfThisUsersAloneIsUsed)
{
    QTemporaryDir dir;
    const QString runtime = dir.filePath("runtime");
    const QString fallback = dir.filePath("tallywick-1000");
    MakeFolder(runtime, 0700);
    EXPECT_EQ(FindChannelFolder(runtime, fallback).path, runtime);
    EXPECT_FALSE(QFile::exists(fallback));

    // Without a private runtime folder, the fallback is made private, whatever the umask.
    const mode_t umask = ::umask(0777);
    const ChannelFolder made = FindChannelFolder(QString(), fallback);
    ::umask(umask);
    EXPECT_EQ(made.path, fallback);
    EXPECT_EQ(ModeOf(fallback), 0700u);
    MakeFolder(runtime, 0755);
    EXPECT_EQ(FindChannelFolder(runtime, fallback).path, fallback);

    // An existing fallback that others may reach is refused, never repaired.
    for (const mode_t mode : {01777, 0770, 0750, 0705, 0500}) {
        MakeFolder(fallback, mode);
        const ChannelFolder refused = FindChannelFolder(QString(), fallback);
        EXPECT_TRUE(refused.path.isEmpty()) << std::oct << mode;
        EXPECT_TRUE(refused.problem.contains(fallback)) << refused.problem.toStdString();
        EXPECT_TRUE(refused.problem.contains("0700")) << refused.problem.toStdString();
        EXPECT_EQ(ModeOf(fallback), mode);
    }

    // A link is refused even when it leads to a private folder: it may be turned elsewhere.
    const QString link = dir.filePath("link");
    ASSERT_TRUE(QFile::link(runtime, link));
    MakeFolder(runtime, 0700);
    EXPECT_TRUE(FindChannelFolder(link, fallback).path.isEmpty());
    EXPECT_FALSE(FindChannelFolder(QString(), link).problem.isEmpty());

    const QString file = dir.filePath("file");
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_TRUE(FindChannelFolder(QString(), file).problem.contains("is not a folder"));
    EXPECT_TRUE(FindChannelFolder(QString(), dir.filePath("no/such")).problem.contains("cannot be made"));
}

TEST(ChannelFolder, AFolderOfAnotherUsersIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user's folder needs root to make";
    QTemporaryDir dir;
    // Another user made the fallback first, private to them.
    const QString taken = dir.filePath("tallywick-0");
    MakeFolder(taken, 0700);
    ASSERT_EQ(::chown(QFile::encodeName(taken).constData(), kNobody, kNobody), 0);
    const ChannelFolder refused = FindChannelFolder(taken, taken);
    EXPECT_TRUE(refused.path.isEmpty());
    EXPECT_TRUE(refused.problem.contains("belongs to another user")) << refused.problem.toStdString();
}

// The server needs an event loop; the asking side blocks, as a second start does, in a thread.
class InstanceChannel : public ::testing::Test {
protected:
    InstanceAnswer ask(const QString& path, const InstanceRequest& request, std::chrono::milliseconds timeout = 3s)
    {
        auto asked = std::async(std::launch::async, [&] { return AskRunningInstance(path, request, timeout); });
        while (asked.wait_for(5ms) != std::future_status::ready)
            QCoreApplication::processEvents();
        return asked.get();
    }

    int argc = 1;
    char name_[10] = "channel";
    char* argv[2] = {name_, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir dir;
    QString channel = InstanceChannelPath(dir.path(), dir.filePath("data"));
};

// A program that crashed left its socket file behind.
TEST_F(InstanceChannel, TheRunningProgramTakesOverANameLeftBehindAndHearsShowAndOpen)
{
    QFile leftover(channel);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    InstanceServer server;
    ASSERT_TRUE(server.listen(channel));
    std::vector<InstanceRequest> heard;
    QObject::connect(&server, &InstanceServer::requested, [&](const InstanceRequest& r) { heard.push_back(r); });

    const InstanceRequest both{{"/var/log/access.log.1", "/var/log/access.log"}};
    EXPECT_TRUE(ask(channel, {}).answered());
    EXPECT_TRUE(ask(channel, both).answered());
    QElapsedTimer waited;
    waited.start();
    while (heard.size() < 2 && waited.elapsed() < 3000)
        QCoreApplication::processEvents();
    EXPECT_EQ(heard, (std::vector<InstanceRequest>{{}, both}));
}

TEST_F(InstanceChannel, NobodyListeningOrAnsweringIsToldApart)
{
    const InstanceAnswer nobody = ask(channel, {}, 500ms);
    EXPECT_EQ(nobody.status, InstanceAnswer::Status::NobodyListens);
    EXPECT_TRUE(nobody.problem.contains(channel));

    // Something holds the name but never answers: the second start gives up in time.
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(channel));
    const InstanceAnswer silent = ask(channel, {}, 300ms);
    EXPECT_EQ(silent.status, InstanceAnswer::Status::NoAnswer);
    EXPECT_FALSE(silent.problem.isEmpty());
}

TEST_F(InstanceChannel, AFolderThatIsNotThereIsSaid)
{
    InstanceServer nowhere;
    EXPECT_FALSE(nowhere.listen(dir.filePath("no/such/folder/socket")));
    EXPECT_TRUE(nowhere.errorString().contains("no/such/folder")) << nowhere.errorString().toStdString();
}

// Another user's process, in a child that gives up root: only calls that are safe after fork().
class AnotherUser {
public:
    explicit AnotherUser(const std::function<int(int ready)>& body)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
            ::_exit(dropped ? body(fds[1]) : 90);
        }
        ::close(fds[1]);
        ready_ = fds[0];
    }
    ~AnotherUser()
    {
        if (ready_ >= 0)
            ::close(ready_);
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    AnotherUser(const AnotherUser&) = delete;
    AnotherUser& operator=(const AnotherUser&) = delete;

    // The child wrote a byte to ready (or ended).
    bool waitUntilReady() const
    {
        char byte = 0;
        return ready_ >= 0 && ::read(ready_, &byte, 1) == 1;
    }
    // The child's exit status, running this process's events meanwhile; -1 after 10 s or when
    // a signal ended it.
    int exitStatus()
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(5ms);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int ready_ = -1;
    bool exited_ = false;
};

sockaddr_un SocketAddress(const QByteArray& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::min<std::size_t>(path.size(), sizeof address.sun_path - 1));
    return address;
}

// Waits up to a second for bytes on fd; how many came before the other end closed.
ssize_t ReadWithin(int fd, char* buffer, std::size_t size)
{
    pollfd wanted{fd, POLLIN, 0};
    if (::poll(&wanted, 1, 1000) <= 0)
        return 0;
    return ::read(fd, buffer, size);
}

// Where an impostor binds the name first, as in a folder every user may write to.
class InstanceChannelImpostor : public InstanceChannel {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "another user's process needs root to start";
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
    }
};

TEST_F(InstanceChannelImpostor, ASecondStartSendsNothingToAnotherUsersProgram)
{
    const QByteArray path = QFile::encodeName(channel);
    AnotherUser impostor([&path](int ready) {
        const sockaddr_un address = SocketAddress(path);
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(server, 4) != 0 || ::chmod(path.constData(), 0777) != 0)
            return 91;
        (void)!::write(ready, "r", 1);
        const int client = ::accept(server, nullptr, nullptr);
        char heard[256];
        const ssize_t size = ReadWithin(client, heard, sizeof heard);
        // The asking side may be gone: no SIGPIPE for that.
        (void)!::send(client, "ok\n", 3, MSG_NOSIGNAL);
        return size > 0 ? 1 : 0;
    });
    ASSERT_TRUE(impostor.waitUntilReady());

    const InstanceAnswer answer = ask(channel, {{"/home/victim/private/access.log"}});
    EXPECT_EQ(answer.status, InstanceAnswer::Status::AnotherUserListens);
    EXPECT_TRUE(answer.problem.contains("not yours")) << answer.problem.toStdString();
    EXPECT_EQ(impostor.exitStatus(), 0) << "1: the impostor heard the request";
}

TEST_F(InstanceChannelImpostor, TheRunningProgramDropsAnotherUsersRequestUnheard)
{
    InstanceServer server;
    ASSERT_TRUE(server.listen(channel));
    // As where the platform does not keep others off a socket by its mode.
    ASSERT_EQ(::chmod(QFile::encodeName(channel).constData(), 0777), 0);
    std::vector<InstanceRequest> heard;
    QObject::connect(&server, &InstanceServer::requested, [&](const InstanceRequest& r) { heard.push_back(r); });

    const QByteArray path = QFile::encodeName(channel);
    AnotherUser impostor([&path](int) {
        const sockaddr_un address = SocketAddress(path);
        const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            return 91;
        const char request[] = "open /tmp/planted.log\n";
        (void)!::send(client, request, sizeof request - 1, MSG_NOSIGNAL);
        char answer[16];
        return ReadWithin(client, answer, sizeof answer) > 0 ? 1 : 0;
    });
    EXPECT_EQ(impostor.exitStatus(), 0) << "1: the impostor was answered; 91: it could not connect";
    QCoreApplication::processEvents();
    EXPECT_TRUE(heard.empty());

    // This user's second starts are still heard.
    EXPECT_TRUE(ask(channel, {}).answered());
}

} // namespace
} // namespace tallywick
