#include "app/robots/robotlist.h"

#include "app/files/besideprogram.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <re2/re2.h>
#include <re2/set.h>

#include <algorithm>

#ifndef TALLYWICK_ROBOTS_SUBDIR
#error "TALLYWICK_ROBOTS_SUBDIR comes from the build"
#endif

namespace tallywick {
namespace {

// The library needs about 100 bytes of its budget for each byte of a literal pattern (its
// program and the room its DFA needs to work); what is left is the DFA's cache, which fills as
// it meets agents. The shipped list takes a few MB; the most is about what the library's program
// can address.
constexpr std::int64_t kBudgetPerPatternByte = 128;
constexpr std::int64_t kLeastMatcherMemory = std::int64_t{64} << 20;
constexpr std::int64_t kMostMatcherMemory = std::int64_t{1} << 30;

std::int64_t MatcherMemory(const std::vector<std::string>& patterns)
{
    std::int64_t bytes = 0;
    for (const auto& pattern : patterns)
        bytes += static_cast<std::int64_t>(pattern.size()) + 4; // and what the set adds to each
    return std::clamp(bytes * kBudgetPerPatternByte, kLeastMatcherMemory, kMostMatcherMemory);
}

} // namespace

struct RobotMatcher::Compiled {
    explicit Compiled(const RE2::Options& options) : set(options, RE2::UNANCHORED) {}
    RE2::Set set;
};

RobotMatcher::RobotMatcher() = default;
RobotMatcher::~RobotMatcher() = default;

std::unique_ptr<RobotMatcher> RobotMatcher::FromPatterns(const std::vector<std::string>& patterns,
                                                         const std::vector<std::vector<std::string>>& tags)
{
    std::unique_ptr<RobotMatcher> matcher(new RobotMatcher);
    matcher->memoryBudget_ = MatcherMemory(patterns);
    matcher->patterns_ = patterns;
    RE2::Options options;
    options.set_log_errors(false);
    options.set_max_mem(matcher->memoryBudget_);
    matcher->compiled_ = std::make_unique<Compiled>(options);
    std::string reason;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const auto& pattern = patterns[i];
        if (matcher->compiled_->set.Add(pattern, &reason) >= 0) {
            ++matcher->patternCount_;
            matcher->placeInList_.push_back(i);
            matcher->httpLibrary_.push_back(
                i < tags.size() && std::find(tags[i].begin(), tags[i].end(), kHttpLibraryTag) != tags[i].end());
            continue;
        }
        if (++matcher->rejectedCount_ <= kRejectedKept)
            matcher->firstRejected_.push_back({pattern, reason});
    }
    // The library compiles the set within the budget, or not at all.
    matcher->overMemoryBudget_ = !matcher->compiled_->set.Compile();
    return matcher;
}

bool RobotMatcher::matches(std::string_view userAgent) const
{
    return patternCount_ > 0 && !overMemoryBudget_ &&
           compiled_->set.Match(re2::StringPiece(userAgent.data(), userAgent.size()), nullptr);
}

std::vector<std::size_t> RobotMatcher::matchingPatterns(std::string_view userAgent) const
{
    std::vector<std::size_t> places;
    if (patternCount_ == 0 || overMemoryBudget_)
        return places;
    std::vector<int> matched;
    if (!compiled_->set.Match(re2::StringPiece(userAgent.data(), userAgent.size()), &matched))
        return places;
    for (const int index : matched)
        places.push_back(placeInList_[static_cast<std::size_t>(index)]);
    std::sort(places.begin(), places.end());
    return places;
}

AgentKind RobotMatcher::kindOf(std::string_view userAgent) const
{
    if (patternCount_ == 0 || overMemoryBudget_)
        return AgentKind::Person;
    std::vector<int> matched;
    if (!compiled_->set.Match(re2::StringPiece(userAgent.data(), userAgent.size()), &matched) || matched.empty())
        return AgentKind::Person;
    for (const int index : matched) {
        if (!httpLibrary_[static_cast<std::size_t>(index)])
            return AgentKind::Robot;
    }
    return AgentKind::DownloadTool;
}

std::optional<std::size_t> RobotMatcher::robotPattern(std::string_view userAgent) const
{
    if (patternCount_ == 0 || overMemoryBudget_)
        return std::nullopt;
    std::vector<int> matched;
    if (!compiled_->set.Match(re2::StringPiece(userAgent.data(), userAgent.size()), &matched))
        return std::nullopt;
    std::optional<std::size_t> first;
    for (const int index : matched) {
        const auto place = placeInList_[static_cast<std::size_t>(index)];
        if (!httpLibrary_[static_cast<std::size_t>(index)] && (!first || place < *first))
            first = place;
    }
    return first;
}

std::optional<RobotList> ReadRobotList(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    RobotList list;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith("# ")) {
            if (list.description.isEmpty())
                list.description = QString::fromUtf8(line.mid(2));
            continue;
        }
        if (line.isEmpty())
            continue;
        const auto tab = line.indexOf('\t');
        const QByteArray pattern = tab < 0 ? line : line.left(tab);
        list.patterns.emplace_back(pattern.constData(), static_cast<std::size_t>(pattern.size()));
        auto& tags = list.tags.emplace_back();
        if (tab >= 0) {
            const auto split = line.mid(tab + 1).split(',');
            for (const QByteArray& tag : split) {
                if (const QByteArray trimmed = tag.trimmed(); !trimmed.isEmpty())
                    tags.emplace_back(trimmed.constData(), static_cast<std::size_t>(trimmed.size()));
            }
        }
    }
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    return list;
}

QString FindRobotList(const QString& programFolder)
{
    return FindBesideProgram(programFolder,
                             QStringLiteral(TALLYWICK_ROBOTS_SUBDIR "/%1").arg(QLatin1String(kRobotListName)));
}

namespace {

QString Shortened(const std::string& text)
{
    constexpr qsizetype kLongest = 80;
    const QString whole = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return whole.size() <= kLongest ? whole : whole.left(kLongest) + QChar(0x2026);
}

// The patterns left out, the first few with the library's reason. Texts are put in with one
// arg() call, so a % in a path or a pattern stays as it is.
QString RejectedText(const RobotMatcher& matcher)
{
    QStringList shown;
    for (const auto& rejected : matcher.firstRejected())
        shown << QStringLiteral("\"%1\": %2").arg(Shortened(rejected.pattern), Shortened(rejected.reason));
    QString text = shown.join(QStringLiteral("; "));
    if (const auto more = matcher.rejectedCount() - matcher.firstRejected().size(); more > 0)
        text += QStringLiteral("; and %1 more").arg(more);
    return text + QLatin1Char('.');
}

} // namespace

LoadedRobots LoadRobotList(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    QString error;
    const auto list = ReadRobotList(path, &error);
    if (!list)
        return {nullptr, error, {}};
    if (list->patterns.empty())
        return {nullptr, QStringLiteral("%1 holds no pattern.").arg(name), {}};
    auto matcher = RobotMatcher::FromPatterns(list->patterns, list->tags);
    const auto all = list->patterns.size();
    const auto rejected = matcher->rejectedCount();
    if (matcher->patternCount() == 0)
        return {nullptr,
                QStringLiteral("%1 holds no usable pattern: the regular-expression library cannot take any of them: %2")
                    .arg(name, RejectedText(*matcher)),
                {}};
    if (matcher->overMemoryBudget()) {
        QString tooLarge =
            QStringLiteral("%1 is too large for the matcher's memory budget (%2 MB): its %3 patterns "
                           "do not compile together.")
                .arg(name, QString::number(matcher->memoryBudget() >> 20), QString::number(matcher->patternCount()));
        if (rejected > 0)
            tooLarge += QStringLiteral(" Besides, the regular-expression library cannot take %1 of its %2 patterns: %3")
                            .arg(QString::number(rejected), QString::number(all), RejectedText(*matcher));
        return {nullptr, tooLarge, {}};
    }
    if (rejected == 0)
        return {std::move(matcher), {}, {}};
    const QString warning =
        QStringLiteral("%1 is used without %2 of its %3 patterns, which the regular-expression library cannot take: %4")
            .arg(name, QString::number(rejected), QString::number(all), RejectedText(*matcher));
    return {std::move(matcher), {}, warning};
}

LoadedRobots LoadRobotMatcher(const QString& programFolder)
{
    const QString path = FindRobotList(programFolder);
    if (path.isEmpty())
        return {
            nullptr,
            QStringLiteral("The robot list (%1) was not found beside the program.").arg(QLatin1String(kRobotListName)),
            {}};
    return LoadRobotList(path);
}

} // namespace tallywick
