#include "app/report/mappedreports.h"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <csignal>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallywick {
namespace {

// Set while this thread copies from a mapping: where a bus error returns to.
thread_local sigjmp_buf* tCopying = nullptr;

// The handler is the process's while any reports are mapped; the one before comes back after.
std::mutex gHandlerMutex;
int gMappings = 0;
struct sigaction gPreviousHandler {};

void OnBusError(int /*signal*/, siginfo_t* /*info*/, void* /*context*/)
{
    if (tCopying != nullptr)
        siglongjmp(*tCopying, 1);
    // Not a copy's: the fault comes again, now to the handler there was before.
    sigaction(SIGBUS, &gPreviousHandler, nullptr);
}

void HandleBusErrors()
{
    const std::lock_guard lock(gHandlerMutex);
    if (gMappings++ > 0)
        return;
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    // Not blocked while handled: the jump out of the handler does not restore the mask.
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &gPreviousHandler);
}

void StopHandlingBusErrors()
{
    const std::lock_guard lock(gHandlerMutex);
    if (--gMappings == 0)
        sigaction(SIGBUS, &gPreviousHandler, nullptr);
}

struct CopyJob {
    const std::vector<MappedReports::Report>& reports;
    std::span<const StreamLine> lines;
    char* out;
};

// Gives the kernel advice on the pages that hold the stream's bytes from to before, in every
// report that holds some of them.
void Advise(const std::vector<MappedReports::Report>& reports, std::uint64_t from, std::uint64_t before, int advice)
{
    static const auto kPage = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    for (const MappedReports::Report& report : reports) {
        if (report.bytes == nullptr || report.start >= before || report.start + report.size <= from)
            continue;
        const std::uint64_t first = (std::max(from, report.start) - report.start) / kPage * kPage;
        const std::uint64_t end =
            (std::min(before - report.start, std::uint64_t{report.size}) + kPage - 1) / kPage * kPage;
        if (first < end)
            ::madvise(const_cast<char*>(report.bytes) + first, end - first, advice);
    }
}

// The pages that a copy of lines maps in: ahead of it, in one call rather than a fault for every
// few pages, and let go of behind it, so that no more than kMostMapped of them stay mapped. Their
// bytes stay in the cache; only this process's mapping of them goes.
class MappedWindow {
public:
    // The copy's lines lie from from to before.
    MappedWindow(const std::vector<MappedReports::Report>& reports, std::uint64_t from, std::uint64_t before) :
        reports_(reports), from_(from), mappedTo_(from), before_(before)
    {
    }

    void reach(const StreamLine& line)
    {
        constexpr std::uint64_t kMappedAhead = std::uint64_t{8} << 20;
        const std::uint64_t end = line.offset + line.size;
        if (line.offset < from_ || end - from_ > MappedReports::kMostMapped) {
            letGo();
            from_ = line.offset;
            mappedTo_ = line.offset;
        }
        if (end > mappedTo_) {
            const std::uint64_t from = std::max(mappedTo_, line.offset);
            mappedTo_ = std::max(end, std::min(from + kMappedAhead, before_));
#ifdef MADV_POPULATE_READ
            Advise(reports_, from, mappedTo_, MADV_POPULATE_READ); // else mapped as they are read
#endif
        }
    }

    void letGo() const
    {
        Advise(reports_, from_, mappedTo_, MADV_DONTNEED);
    }

private:
    const std::vector<MappedReports::Report>& reports_;
    std::uint64_t from_;
    std::uint64_t mappedTo_;
    std::uint64_t before_;
};

// Holds nothing that needs its destructor run, so that a bus error may jump out of it.
bool CopyWithin(const CopyJob& job)
{
    const auto& reports = job.reports;
    char* out = job.out;
    if (job.lines.empty())
        return true;
    std::uint64_t before = 0;
    for (const StreamLine& line : job.lines)
        before = std::max(before, line.offset + line.size);
    MappedWindow window(reports, job.lines.front().offset, before);
    std::size_t index = 0;
    for (const StreamLine& line : job.lines) {
        window.reach(line);
        // Lines mostly come in order: the report of the one before is tried first.
        if (line.offset < reports[index].start ||
            (index + 1 < reports.size() && line.offset >= reports[index + 1].start)) {
            const auto after = std::upper_bound(
                reports.begin(), reports.end(), line.offset,
                [](std::uint64_t at, const MappedReports::Report& report) { return at < report.start; });
            if (after == reports.begin())
                return false;
            index = static_cast<std::size_t>(after - reports.begin() - 1);
        }
        const MappedReports::Report& report = reports[index];
        const std::uint64_t at = line.offset - report.start;
        if (at > report.size || line.size > report.size - at)
            return false;
        std::memcpy(out, report.bytes + at, line.size);
        out += line.size;
    }
    window.letGo();
    return true;
}

// Where a bus error while copying returns to. Everything it reads after the jump is its own.
bool GuardedCopy(const CopyJob* job)
{
    sigjmp_buf copying;
    if (sigsetjmp(copying, 0) != 0) {
        tCopying = nullptr;
        return false;
    }
    tCopying = &copying;
    const bool copied = CopyWithin(*job);
    tCopying = nullptr;
    return copied;
}

} // namespace

MappedReports::MappedReports(const ReportPaths& reports, const std::vector<ReportStart>& starts)
{
    reports_.reserve(static_cast<std::size_t>(reports.size()));
    HandleBusErrors(); // undone by the destructor: nothing after it throws but for want of memory
    for (qsizetype i = 0; i < reports.size() && static_cast<std::size_t>(i) < starts.size(); ++i) {
        Report report{.start = starts[static_cast<std::size_t>(i)].offset};
        int descriptor = -1;
        do
            descriptor = ::open(reports[i].bytes().constData(), O_RDONLY | O_CLOEXEC);
        while (descriptor < 0 && errno == EINTR);
        struct stat status {};
        if (descriptor < 0 || ::fstat(descriptor, &status) != 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
        } else if (status.st_size > 0) {
            report.size = static_cast<std::size_t>(status.st_size);
            void* mapped = ::mmap(nullptr, report.size, PROT_READ, MAP_SHARED, descriptor, 0);
            if (mapped == MAP_FAILED) {
                error_ = QString::fromLocal8Bit(std::strerror(errno));
                report.size = 0;
            } else {
                report.bytes = static_cast<const char*>(mapped);
            }
        }
        if (descriptor >= 0)
            ::close(descriptor); // the mapping keeps the file
        reports_.push_back(report);
        if (!error_.isEmpty()) {
            error_ = QStringLiteral("%1: %2").arg(reports[i].text(), error_);
            return;
        }
    }
}

MappedReports::~MappedReports()
{
    for (const Report& report : reports_) {
        if (report.bytes != nullptr)
            ::munmap(const_cast<char*>(report.bytes), report.size);
    }
    StopHandlingBusErrors();
}

bool MappedReports::copyLines(std::span<const StreamLine> lines, char* out) const
{
    if (!error_.isEmpty() || reports_.empty())
        return lines.empty();
    const CopyJob job{reports_, lines, out};
    return GuardedCopy(&job);
}

} // namespace tallywick
