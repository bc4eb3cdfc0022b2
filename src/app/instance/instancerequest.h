#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace tallywick {

// What a second start asks of the running program: to show its main window, and with reports
// named on its command line, to open and search them too, as one report.
struct InstanceRequest {
    QStringList reports; // absolute paths; none: only show the window

    bool operator==(const InstanceRequest&) const = default;
};

// One line ended by LF: "show", or "open" followed by each report's absolute path in UTF-8,
// percent-encoded, each after a space.
QByteArray EncodeInstanceRequest(const InstanceRequest& request);
// Nothing for a line this program does not send (an unrelated client on the name, garbage).
std::optional<InstanceRequest> DecodeInstanceRequest(QByteArrayView line);

// The channel's name for a data folder: each data folder has one running program, and the same
// folder spelt another way (a trailing slash, a relative path) gives the same name.
QString InstanceChannelName(const QString& dataFolder);

} // namespace tallywick
