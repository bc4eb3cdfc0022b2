#include "ui/views/exportandopen.h"

#include "app/files/datafolder.h"
#include "app/store/replacefile.h"
#include "ui/common/desktop.h"

namespace tallywick {

void ExportAndOpen(const DataFolder& folder, const char* fileName, std::string_view content)
{
    if (!folder.ensureExists())
        return;
    const QString path = folder.file(fileName);
    // A file that could not be written is not opened; the previous export stays whole.
    if (!ReplaceFile(path, QByteArrayView(content.data(), static_cast<qsizetype>(content.size()))))
        Desktop::OpenFile(path);
}

} // namespace tallywick
