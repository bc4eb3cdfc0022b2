#pragma once

#include "support/storetesting.h"

#include <QDir>
#include <QString>

#include <string>

namespace tallywick::testing {

// Two reports of one log, rotated: the older without a break at its end, the newer starting with
// an empty line. Hits of both panels, short, long and longer than what is read at once, some
// ended by CR LF, among lines without a hit.
struct RotatedReports {
    QString older;
    QString newer;
    std::string olderText;
    std::string newerText;
};

inline RotatedReports WriteRotatedReports(const QDir& dir)
{
    RotatedReports reports{dir.filePath("access.log.1"), dir.filePath("access.log"), {}, "\n"};
    for (int i = 0; i < 3000; ++i) {
        std::string& text = i < 1000 ? reports.olderText : reports.newerText;
        const std::string query = i % 700 == 0 ? std::string(100'000 + i, 'q') : std::string(i % 50, 'q');
        text += "10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250) +
                " - - [05/Dec/2004:10:" + std::to_string(10 + i % 50) + ":42 -0800] \"GET /quarnel/shareware/pelmor." +
                (i % 3 == 1 ? "exe" : "zip") + "?" + query + " HTTP/1.1\" " + (i % 11 == 0 ? "206" : "200") + " 48213" +
                (i % 3 == 0 ? "\r\n" : "\n");
        if (i % 4 == 0)
            text += "198.51.100.7 - - [05/Dec/2004:10:15:42 -0800] \"GET /index.html HTTP/1.1\" 200 1\n";
    }
    reports.olderText +=
        "203.0.113.45 - - [05/Dec/2004:11:00:00 -0800] \"GET /quarnel/shareware/pelmor.zip HTTP/1.1\" 200";
    WriteBytes(reports.older, reports.olderText);
    WriteBytes(reports.newer, reports.newerText);
    return reports;
}

} // namespace tallywick::testing
