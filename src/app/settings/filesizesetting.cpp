#include "app/settings/filesizesetting.h"

#include "app/settings/settingsstore.h"

namespace tallywick {

FileSizes ParseFileSizes(const QString& text)
{
    FileSizes sizes;
    const auto entries = text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        const QByteArray bytes = entry.trimmed().toUtf8();
        if (auto parsed =
                ParseFileSizeEntry(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
            sizes.insert_or_assign(std::move(parsed->first), parsed->second);
    }
    return sizes;
}

QString FileSizesText(const FileSizes& sizes)
{
    QStringList entries;
    for (const auto& [path, bytes] : sizes) {
        if (path.find('|') != std::string::npos)
            continue;
        entries << QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())) + QLatin1Char('=') +
                       QString::number(bytes);
    }
    return entries.join(QLatin1Char('|'));
}

FileSizes ReadFileSizes(const SettingsStore& settings)
{
    return ParseFileSizes(settings.read(keys::FileSizes));
}

} // namespace tallywick
