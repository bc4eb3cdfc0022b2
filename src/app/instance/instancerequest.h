#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tallywick {

// What a second start asks of the running program: to show its main window, and with a report
// named on its command line, to open and search that report too.
struct InstanceRequest {
    QString report; // empty: only show the window

    bool operator==(const InstanceRequest&) const = default;
};

// One line: "show" or "open " + the report path in UTF-8, ended by LF.
QByteArray EncodeInstanceRequest(const InstanceRequest& request);
// Nothing for a line this program does not send (an unrelated client on the name, garbage).
std::optional<InstanceRequest> DecodeInstanceRequest(QByteArrayView line);

// The channel's name for a data folder: each data folder has one running program, and the same
// folder spelt another way (a trailing slash, a relative path) gives the same name.
QString InstanceChannelName(const QString& dataFolder);

} // namespace tallywick
