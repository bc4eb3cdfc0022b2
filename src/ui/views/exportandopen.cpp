#include "ui/views/exportandopen.h"

#include "app/files/datafolder.h"
#include "ui/common/desktop.h"

#include <QSaveFile>

namespace tallywick {

void ExportAndOpen(const DataFolder& folder, const char* fileName, std::string_view content)
{
    if (!folder.ensureExists())
        return;
    const QString path = folder.file(fileName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size()))
        return; // the unfinished file is discarded; the previous export stays
    if (!file.commit())
        return;
    Desktop::OpenFile(path);
}

} // namespace tallywick
