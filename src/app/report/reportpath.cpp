#include "app/report/reportpath.h"

#include <QFile>

namespace tallywick {

ReportPath::ReportPath(const QString& text) : text_(text), bytes_(QFile::encodeName(text)) {}

ReportPath ReportPath::fromBytes(std::string_view bytes)
{
    ReportPath path;
    path.bytes_ = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    path.text_ = QString::fromUtf8(path.bytes_);
    return path;
}

ReportPaths ReportPathsOf(const QStringList& texts)
{
    ReportPaths paths;
    paths.reserve(texts.size());
    for (const QString& text : texts)
        paths.append(ReportPath(text));
    return paths;
}

QStringList TextsOf(const ReportPaths& paths)
{
    QStringList texts;
    texts.reserve(paths.size());
    for (const ReportPath& path : paths)
        texts.append(path.text());
    return texts;
}

} // namespace tallywick
