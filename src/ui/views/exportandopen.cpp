#include "ui/views/exportandopen.h"

#include "app/files/datafolder.h"
#include "app/files/replacefile.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"

#include <QCoreApplication>
#include <QDir>

namespace tallywick {

void ExportAndOpen(QWidget* parent, const DataFolder& folder, const char* fileName, std::string_view content)
{
    const QString path = folder.file(fileName);
    QString error;
    if (!folder.ensureExists(&error)) {
        Dialogs::message(parent, QStringLiteral("Tallywick"),
                         QCoreApplication::translate("tallywick::HistoryViews", "%1 could not be written (%2).")
                             .arg(QDir::toNativeSeparators(path), error),
                         Dialogs::Icon::Warning);
        return;
    }
    if (const auto failure =
            ReplaceFile(path, QByteArrayView(content.data(), static_cast<qsizetype>(content.size())))) {
        Dialogs::message(parent, QStringLiteral("Tallywick"),
                         QCoreApplication::translate("tallywick::HistoryViews", "%1 could not be written (%2).")
                             .arg(QDir::toNativeSeparators(path), *failure),
                         Dialogs::Icon::Warning);
        return;
    }
    Desktop::OpenWrittenFile(parent, path);
}

} // namespace tallywick
