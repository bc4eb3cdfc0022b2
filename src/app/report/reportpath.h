#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <string_view>

namespace tallywick {

// A report's file name as the system knows it (its bytes) and as text, for messages. A name given
// as text stands for its UTF-8 bytes; one given as bytes (a command line's) is opened by those
// bytes, which need not be UTF-8: decoding them would name another file.
class ReportPath {
public:
    ReportPath() = default;
    ReportPath(const QString& text); // implicit: the desktop names its reports as text
    static ReportPath fromBytes(std::string_view bytes);

    const QString& text() const { return text_; }
    const QByteArray& bytes() const { return bytes_; }
    bool isEmpty() const { return bytes_.isEmpty(); }

    friend bool operator==(const ReportPath& a, const ReportPath& b) { return a.bytes_ == b.bytes_; }

private:
    QString text_;
    QByteArray bytes_;
};

using ReportPaths = QList<ReportPath>;

ReportPaths ReportPathsOf(const QStringList& texts);
QStringList TextsOf(const ReportPaths& paths);

} // namespace tallywick
