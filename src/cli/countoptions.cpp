#include "cli/countoptions.h"
#include "cli/labels.h"

#include "core/search/reportsearch.h"

namespace tallywick::cli {

QList<QCommandLineOption> CountCommandOptions()
{
    return {
        {QStringLiteral("ipv6-network-64"),
         QStringLiteral("Treat an IPv6 /64 network as one client in the split-download test and the unique "
                        "counts (an IPv4-mapped address is its IPv4 client).")},
        {QStringLiteral("size"),
         QStringLiteral("The size in bytes of the file at PATH (the path of a request, without a query), for "
                        "the complete counts; may be given for several files. Wins over the largest status-200 "
                        "bytes of the path in the reports."),
         QStringLiteral("PATH=BYTES")},
    };
}

CountChoice ReadCountOptions(CommandLine& line, bool ipv6Setting, FileSizes settingSizes, Environment& env)
{
    CountChoice choice;
    choice.ipv6Network64 = ipv6Setting || line.parser().isSet(QStringLiteral("ipv6-network-64"));
    choice.sizes = std::move(settingSizes);
    for (const auto& entry : line.valueBytes(QStringLiteral("size"))) {
        auto parsed = ParseFileSizeEntry(entry);
        if (!parsed) {
            choice.exitCode =
                line.usageError(env, QStringLiteral("--size wants PATH=BYTES, such as /files/app.zip=48213, not \"%1\"")
                                         .arg(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()))));
            return choice;
        }
        choice.sizes.insert_or_assign(std::move(parsed->first), parsed->second);
    }
    return choice;
}

std::string PanelCountsText(const PanelDownloads& panel)
{
    return CompleteLabel(panel) + '\n' + UniqueLabel(panel) + '\n';
}

Json& SetPanelCounts(Json& panel, const PanelDownloads& counts)
{
    return panel.set("complete", counts.complete)
        .set("incomplete", counts.incomplete)
        .set("size_unknown", counts.sizeUnknown)
        .set("unique_per_day", counts.uniquePerDay)
        .set("unique_per_hour", counts.uniquePerHour);
}

Json SizesJson(const FileSizes& sizes)
{
    Json json = Json::object();
    for (const auto& [path, bytes] : sizes)
        json.set(path, bytes);
    return json;
}

} // namespace tallywick::cli
