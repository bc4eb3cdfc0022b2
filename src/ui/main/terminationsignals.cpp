#include "ui/main/terminationsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace tallywick {
namespace {

constexpr std::array kWatchedSignals{SIGTERM, SIGINT};

// The handler may only write to a descriptor; the event loop reads the other end.
int g_writeEnd = -1;
int g_readEnd = -1;
std::array<struct sigaction, kWatchedSignals.size()> g_previous{};

extern "C" void WriteSignalNumber(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

bool g_owned = false;

bool InstallHandlers()
{
    if (g_writeEnd >= 0)
        return true;
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    g_writeEnd = ends[0];
    g_readEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kWatchedSignals.size(); ++i)
        ::sigaction(kWatchedSignals[i], &action, &g_previous[i]);
    return true;
}

void RemoveHandlers()
{
    for (std::size_t i = 0; i < kWatchedSignals.size(); ++i)
        ::sigaction(kWatchedSignals[i], &g_previous[i], nullptr);
    ::close(g_writeEnd);
    ::close(g_readEnd);
    g_writeEnd = -1;
    g_readEnd = -1;
}

} // namespace

void TerminationSignals::catchEarly()
{
    InstallHandlers();
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (g_owned || !InstallHandlers())
        return;
    g_owned = true;
    notifier_ = std::make_unique<QSocketNotifier>(g_readEnd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    watching_ = true;
}

TerminationSignals::~TerminationSignals()
{
    if (!watching_)
        return;
    notifier_.reset();
    RemoveHandlers();
    g_owned = false;
}

void TerminationSignals::readSignal()
{
    unsigned char byte = 0;
    if (::read(g_readEnd, &byte, 1) == 1)
        emit received(byte);
}

} // namespace tallywick
