#include "cli/clitest.h"

#include <QDir>

namespace tallywick::testing {
namespace {

const std::string kZip = "/quarnel/shareware/pelmor.zip";
const std::string kExe = "/quarnel/shareware/pelmor.exe";

std::string Record(const std::string& host, const std::string& day, const std::string& path,
                   const std::string& referrer = "-", const std::string& agent = "Agent")
{
    return host + " - - [" + day + ":10:00:00 -0800] \"GET " + path + " HTTP/1.1\" 200 100 \"" + referrer + "\" \"" +
           agent + "\"";
}

// Today is Sunday, December 5, 2004; the time limit 2 keeps November and December.
const std::vector<std::string> kArchived = {Record("9.9.9.9", "05/Oct/2004", kZip, "http://old.example/")};
const std::vector<std::string> kHistory = {
    Record("1.1.1.1", "01/Nov/2004", kZip, "http://www.Example.com:8080/page"),
    Record("1.1.1.1", "04/Nov/2004", kZip, "-"),
    Record("1.1.1.1", "04/Nov/2004", kZip, "-"),
    Record("2.2.2.2", "05/Nov/2004", kExe, "https://user@search.example/?q=pelmor"),
    Record("1.1.1.1", "06/Nov/2004", kZip, "garbage"),
    Record("1.1.1.1", "01/Dec/2004", kZip, "http://example.com/"),
    Record("1.1.1.1", "01/Dec/2004", kZip, "http://example.com/", "Other"),
    Record("2.2.2.2", "04/Dec/2004", kExe, "-"),
};

class PeriodViewTest : public CliTest {
protected:
    void SetUp() override
    {
        QDir().mkpath(dataFile("archive"));
        WriteBytes(dataFile("archive/2004-10.dat"), CrLfLines(kArchived));
        WriteBytes(dataFile("history.dat"), CrLfLines(kHistory));
        WriteBytes(dataFile("tracking.dat"), kZip + "\r\n" + kExe + "\r\n");
    }
    CliRun view(const QStringList& arguments) const
    {
        return run(QStringList{"view"} + arguments +
                   QStringList{"--today", "2004-12-05", "--time-limit", "2", "--json"});
    }
};

TEST_F(PeriodViewTest, CompareGivesBothPeriodsPerItem)
{
    const auto month = view({"compare", "--period", "month"});
    ASSERT_EQ(month.code, 0) << month.err;
    EXPECT_EQ(CompactJson(month.out),
              R"({"period":"month","current":{"from":"12/01/2004","to":"12/05/2004"},)"
              R"("previous":{"from":"11/01/2004","to":"11/05/2004"},"items":[)"
              R"({"item":"/quarnel/shareware/pelmor.zip","current":2,"previous":3,"change":-1,)"
              R"("change_percent":-33.333333333333336,"current_unique_per_day":2,"previous_unique_per_day":2},)"
              R"({"item":"/quarnel/shareware/pelmor.exe","current":1,"previous":1,"change":0,"change_percent":0,)"
              R"("current_unique_per_day":1,"previous_unique_per_day":1}]})");
    // The week of Friday, November 5 (from Monday, November 1) against the week before, which
    // lies before the time limit: the archive is read, and holds nothing of it.
    const auto week = view({"compare", "--period", "week", "--to", "2004-11-05"});
    EXPECT_NE(CompactJson(week.out).find(R"("current":3,"previous":0,"change":3,"change_percent":null)"),
              std::string::npos)
        << week.out;
    // The year reaches the archive's October.
    const auto year = view({"compare", "--period", "year"});
    EXPECT_NE(year.out.find("\"current\": 7,\n      \"previous\": 0"), std::string::npos) << year.out;
}

TEST_F(PeriodViewTest, SourcesNameTheTopHostsAndTheRest)
{
    const auto top = view({"sources", "--item", QString::fromStdString(kZip), "--top", "2"});
    ASSERT_EQ(top.code, 0) << top.err;
    EXPECT_EQ(
        CompactJson(top.out),
        R"j({"from":null,"to":null,"total":6,"sources":[{"host":"example.com","downloads":3,"share_percent":50},)j"
        R"j({"host":"(direct)","downloads":2,"share_percent":33.333333333333336},)j"
        R"j({"host":"(other)","downloads":1,"share_percent":16.666666666666668}]})j");
    const auto archived = view({"sources", "--from", "2004-10-01", "--to", "2004-11-05"});
    EXPECT_NE(CompactJson(archived.out).find(R"({"from":"10/01/2004","to":"11/05/2004","total":5)"), std::string::npos)
        << archived.out;
    for (const char* host : {"old.example", "search.example"})
        EXPECT_NE(archived.out.find(std::string("\"host\": \"") + host), std::string::npos) << host;
}

TEST_F(PeriodViewTest, APeriodCountsAsIfTheHistoryHeldOnlyItsRecords)
{
    // November 1 to December 4 holds records on both ends, so the filtered history's own dates
    // are the period's; time limit 2 gives the months of the period.
    const QStringList period = {"--from", "2004-11-04", "--to", "2004-12-01"};
    std::vector<std::pair<QStringList, std::string>> runs;
    for (const char* name : {"history", "monthly", "weekday", "totals", "sources"})
        runs.emplace_back(QStringList{QString::fromLatin1(name)} + period, name);
    runs.emplace_back(QStringList{"history", "--item", QString::fromStdString(kExe)} + period, "history --item");
    runs.emplace_back(QStringList{"weekday", "--total"} + period, "weekday --total");
    std::vector<std::string> withPeriod;
    for (const auto& [arguments, name] : runs) {
        const auto result = view(arguments);
        ASSERT_EQ(result.code, 0) << name << result.err;
        withPeriod.push_back(result.out);
    }

    QFile::remove(dataFile("archive/2004-10.dat"));
    WriteBytes(dataFile("history.dat"), CrLfLines({kHistory.begin() + 1, kHistory.begin() + 7}));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        auto arguments = runs[i].first;
        arguments.erase(arguments.end() - 4, arguments.end());
        auto expected = view(arguments).out;
        if (runs[i].second == "sources") // states its period
            expected.replace(expected.find("null,\n  \"to\": null"), 18, "\"11/04/2004\",\n  \"to\": \"12/01/2004\"");
        EXPECT_EQ(withPeriod[i], expected) << runs[i].second;
    }
}

TEST_F(PeriodViewTest, RefusesPeriodsWhereTheyDoNotApply)
{
    for (const auto& arguments :
         {QStringList{"daily", "--from", "2004-12-01"}, QStringList{"zero-days", "--to", "2004-12-01"},
          QStringList{"by-file", "--from", "2004-12-01"}, QStringList{"compare", "--from", "2004-12-01"},
          QStringList{"history", "--from", "2004-12-02", "--to", "2004-12-01"},
          QStringList{"history", "--from", "2004-02-30"}, QStringList{"monthly", "--all-time", "--to", "2004-12-01"},
          QStringList{"compare", "--period", "day"}, QStringList{"sources", "--top", "0"},
          QStringList{"history", "--top", "3"}}) {
        const auto refused = view(arguments);
        EXPECT_EQ(refused.code, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(refused.out, "");
    }
}

} // namespace
} // namespace tallywick::testing
