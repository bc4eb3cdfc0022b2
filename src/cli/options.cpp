#include "cli/options.h"

#include <QByteArrayView>
#include <QDate>

namespace tallywick::cli {
namespace {

// The variables that stand in for --data-dir and --config when they are not given.
struct StandIn {
    const char* option;
    const char* variable;
};
constexpr StandIn kStandIns[] = {{"data-dir", "TALLYWICK_DATA_DIR"}, {"config", "TALLYWICK_CONFIG"}};

} // namespace

CommandLine::CommandLine(QString command, QString synopsis, QString help) :
    command_(std::move(command)), synopsis_(std::move(synopsis)), help_(std::move(help))
{
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser_.addOptions({
        {QStringLiteral("data-dir"), QStringLiteral("Data folder (default: $TALLYWICK_DATA_DIR or the per-user one)."),
         QStringLiteral("DIR")},
        {QStringLiteral("config"), QStringLiteral("Settings file (default: $TALLYWICK_CONFIG or the per-user one)."),
         QStringLiteral("FILE")},
        {QStringLiteral("today"), QStringLiteral("Take this date as today."), QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("json"), QStringLiteral("Write JSON instead of text.")},
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")},
    });
}

bool CommandLine::parse(const Arguments& arguments, Environment& env)
{
    // The parser expects the program name first; the subcommand's name is dropped.
    QStringList list = arguments.text;
    if (list.size() > 1)
        list.removeAt(1);
    if (!parser_.parse(list)) {
        exitCode_ = usageError(env, parser_.errorText());
        return false;
    }
    const auto first = arguments.bytes.size() > 2 ? arguments.bytes.begin() + 2 : arguments.bytes.end();
    bytes_ = SplitArgumentBytes({first, arguments.bytes.end()}, [this](std::string_view name) {
        return !parser_.values(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))).isEmpty();
    });
    if (parser_.isSet(QStringLiteral("help"))) {
        env.out << "Usage: tallywick-cli " << command_.toStdString() << ' ' << synopsis_.toStdString() << "\n\n"
                << help_.toStdString() << "\n\nOptions:\n";
        const QString options = parser_.helpText().section(QStringLiteral("Options:\n"), 1);
        env.out << options.toStdString();
        exitCode_ = kExitOk;
        return false;
    }
    for (const QString& option : std::as_const(fileOptions_)) {
        for (const auto& bytes : valueBytes(option)) {
            if (!QByteArrayView(bytes).isValidUtf8()) {
                exitCode_ = usageError(
                    env, QStringLiteral("--%1 is not valid UTF-8: as text it would name another file or folder")
                             .arg(option));
                return false;
            }
        }
    }
    for (const auto& [option, variable] : kStandIns) {
        if (parser_.isSet(QString::fromLatin1(option)) || qgetenv(variable).isValidUtf8())
            continue;
        exitCode_ =
            usageError(env, QStringLiteral("$%1 is not valid UTF-8: as text it would name another file or folder; "
                                           "give --%2 instead")
                                .arg(QString::fromLatin1(variable), QString::fromLatin1(option)));
        return false;
    }
    if (parser_.isSet(QStringLiteral("today"))) {
        today_ = ParseIsoDate(parser_.value(QStringLiteral("today")));
        if (!today_) {
            exitCode_ = usageError(env, QStringLiteral("--today wants a date as YYYY-MM-DD"));
            return false;
        }
    }
    return true;
}

std::vector<std::string> CommandLine::valueBytes(const QString& name) const
{
    const QStringList texts = parser_.values(name);
    const auto found = bytes_.values.find(name.toStdString());
    if (found != bytes_.values.end() && found->second.size() == static_cast<std::size_t>(texts.size()))
        return found->second;
    // Given in a form the split does not know: the parser's text is all there is.
    std::vector<std::string> values;
    for (const auto& text : texts)
        values.push_back(Bytes(text));
    return values;
}

std::vector<std::string> CommandLine::positionalBytes() const
{
    const QStringList texts = parser_.positionalArguments();
    if (bytes_.positional.size() == static_cast<std::size_t>(texts.size()))
        return bytes_.positional;
    std::vector<std::string> values;
    for (const auto& text : texts)
        values.push_back(Bytes(text));
    return values;
}

int CommandLine::usageError(Environment& env, const QString& message) const
{
    env.err << "tallywick-cli " << command_.toStdString() << ": " << message.toStdString() << "\n(see tallywick-cli "
            << command_.toStdString() << " --help)\n";
    return kExitUsage;
}

ReportPaths ReportsGiven(const CommandLine& line)
{
    ReportPaths reports;
    for (const auto& bytes : line.positionalBytes())
        reports.append(ReportPath::fromBytes(bytes));
    return reports;
}

std::optional<std::int64_t> ParseInteger(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<std::chrono::sys_days> ParseIsoDate(const QString& text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || text.size() != 10)
        return std::nullopt;
    return std::chrono::sys_days{std::chrono::year{date.year()} / date.month() / date.day()};
}

std::string Bytes(const QString& text)
{
    return text.toStdString();
}

} // namespace tallywick::cli
