#include "app/instance/instancechannel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace tallywick {
namespace {

using namespace std::chrono_literals;

TEST(InstanceRequest, RoundTripsAndRefusesWhatItDoesNotSend)
{
    const InstanceRequest show;
    const InstanceRequest open{QStringLiteral("/var/log/caf\u00e9 access.log.1")};
    EXPECT_EQ(EncodeInstanceRequest(show), QByteArray("show\n"));
    EXPECT_EQ(DecodeInstanceRequest(EncodeInstanceRequest(show)), show);
    EXPECT_EQ(DecodeInstanceRequest(EncodeInstanceRequest(open)), open);
    for (const char* garbage : {"", "\n", "open \n", "shows\n", "GET / HTTP/1.1\r\n", "show\nopen /x\n"})
        EXPECT_FALSE(DecodeInstanceRequest(QByteArrayView(garbage))) << garbage;
    EXPECT_FALSE(DecodeInstanceRequest(EncodeInstanceRequest({QStringLiteral("/a\nshow")})));
}

TEST(InstanceRequest, OneNamePerDataFolderHoweverItIsSpelt)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("data"));
    EXPECT_EQ(InstanceChannelName(folder), InstanceChannelName(folder + QStringLiteral("/")));
    EXPECT_EQ(InstanceChannelName(folder), InstanceChannelName(dir.path() + QStringLiteral("/x/../data")));
    EXPECT_NE(InstanceChannelName(folder), InstanceChannelName(dir.filePath(QStringLiteral("other"))));
    EXPECT_TRUE(InstanceChannelName(folder).startsWith(QStringLiteral("tallywick-")));
}

// The server needs an event loop; the asking side blocks, as a second start does, in a thread.
class InstanceChannel : public ::testing::Test {
protected:
    bool ask(const QString& name, const InstanceRequest& request, std::chrono::milliseconds timeout = 3s)
    {
        auto asked = std::async(std::launch::async, [&] { return AskRunningInstance(name, request, timeout); });
        while (asked.wait_for(5ms) != std::future_status::ready)
            QCoreApplication::processEvents();
        return asked.get();
    }

    int argc = 1;
    char name_[10] = "channel";
    char* argv[2] = {name_, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir dir;
    QString channel = InstanceChannelName(dir.path());
};

TEST_F(InstanceChannel, TheRunningProgramHearsShowAndOpen)
{
    InstanceServer server;
    ASSERT_TRUE(server.listen(channel));
    std::vector<InstanceRequest> heard;
    QObject::connect(&server, &InstanceServer::requested, [&](const InstanceRequest& r) { heard.push_back(r); });

    EXPECT_TRUE(ask(channel, {}));
    EXPECT_TRUE(ask(channel, {QStringLiteral("/var/log/access.log.1")}));
    QElapsedTimer waited;
    waited.start();
    while (heard.size() < 2 && waited.elapsed() < 3000)
        QCoreApplication::processEvents();
    EXPECT_EQ(heard, (std::vector<InstanceRequest>{{}, {QStringLiteral("/var/log/access.log.1")}}));
}

TEST_F(InstanceChannel, NobodyListeningOrAnsweringIsToldApart)
{
    EXPECT_FALSE(ask(channel, {}, 500ms));

    // Something holds the name but never answers: the second start gives up in time.
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(channel));
    EXPECT_FALSE(ask(channel, {}, 300ms));
}

TEST_F(InstanceChannel, ANameLeftBehindIsTakenOver)
{
    // A program that crashed leaves its socket file behind.
    QFile leftover(QDir(QDir::tempPath()).filePath(channel));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    InstanceServer server;
    EXPECT_TRUE(server.listen(channel));
    EXPECT_TRUE(ask(channel, {}));
}

} // namespace
} // namespace tallywick
