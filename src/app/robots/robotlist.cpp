#include "app/robots/robotlist.h"

#include "app/files/besideprogram.h"

#include <QDir>
#include <QFile>

#include <re2/re2.h>
#include <re2/set.h>

#ifndef TALLYWICK_ROBOTS_SUBDIR
#error "TALLYWICK_ROBOTS_SUBDIR comes from the build"
#endif

namespace tallywick {
namespace {

// The compiled list takes a few MB; the default budget is too small for 1,500 patterns.
constexpr std::int64_t kMatcherMemory = 64 << 20;

} // namespace

struct RobotMatcher::Compiled {
    explicit Compiled(const RE2::Options& options) : set(options, RE2::UNANCHORED) {}
    RE2::Set set;
};

RobotMatcher::RobotMatcher() = default;
RobotMatcher::~RobotMatcher() = default;

std::unique_ptr<RobotMatcher> RobotMatcher::FromPatterns(const std::vector<std::string>& patterns)
{
    RE2::Options options;
    options.set_log_errors(false);
    options.set_max_mem(kMatcherMemory);
    std::unique_ptr<RobotMatcher> matcher(new RobotMatcher);
    matcher->compiled_ = std::make_unique<Compiled>(options);
    for (const auto& pattern : patterns) {
        if (matcher->compiled_->set.Add(pattern, nullptr) < 0)
            ++matcher->rejectedCount_;
        else
            ++matcher->patternCount_;
    }
    if (!matcher->compiled_->set.Compile())
        return nullptr;
    return matcher;
}

bool RobotMatcher::matches(std::string_view userAgent) const
{
    return patternCount_ > 0 && compiled_->set.Match(re2::StringPiece(userAgent.data(), userAgent.size()), nullptr);
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
        if (!line.isEmpty())
            list.patterns.emplace_back(line.constData(), static_cast<std::size_t>(line.size()));
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

LoadedRobots LoadRobotMatcher(const QString& programFolder)
{
    const QString path = FindRobotList(programFolder);
    if (path.isEmpty())
        return {
            nullptr,
            QStringLiteral("The robot list (%1) was not found beside the program.").arg(QLatin1String(kRobotListName))};
    QString error;
    const auto list = ReadRobotList(path, &error);
    if (!list)
        return {nullptr, error};
    auto matcher = RobotMatcher::FromPatterns(list->patterns);
    if (!matcher || matcher->patternCount() == 0)
        return {nullptr, QStringLiteral("%1 holds no usable pattern.").arg(QDir::toNativeSeparators(path))};
    return {std::move(matcher), {}};
}

} // namespace tallywick
