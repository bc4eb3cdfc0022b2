#include "ui/views/exportandopen.h"

#include "app/files/datafolder.h"
#include "app/files/replacefile.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"

#include <QCoreApplication>
#include <QDir>

namespace tallywick {

namespace {

void SayNotWritten(QWidget* parent, const QString& path, const QString& reason)
{
    Dialogs::message(parent, QStringLiteral("Tallywick"),
                     QCoreApplication::translate("tallywick::HistoryViews", "%1 could not be written (%2).")
                         .arg(QDir::toNativeSeparators(path), reason),
                     Dialogs::Icon::Warning);
}

} // namespace

void SaveViewText(QWidget* parent, const DataFolder& folder, const char* fileName, std::string_view content)
{
    const auto textFiles = QCoreApplication::translate("tallywick::HistoryViews", "Text (*.txt)");
    const auto chosen =
        Dialogs::saveFileName(parent, {QCoreApplication::translate("tallywick::HistoryViews", "Save As"),
                                       folder.path(),
                                       folder.file(fileName),
                                       {textFiles},
                                       textFiles});
    if (!chosen)
        return;
    if (const auto failure =
            ReplaceFile(*chosen, QByteArrayView(content.data(), static_cast<qsizetype>(content.size()))))
        SayNotWritten(parent, *chosen, *failure);
}

void ExportAndOpen(QWidget* parent, const DataFolder& folder, const char* fileName, std::string_view content)
{
    const QString path = folder.file(fileName);
    QString error;
    if (!folder.ensureExists(&error)) {
        SayNotWritten(parent, path, error);
        return;
    }
    if (const auto failure =
            ReplaceFile(path, QByteArrayView(content.data(), static_cast<qsizetype>(content.size())))) {
        SayNotWritten(parent, path, *failure);
        return;
    }
    Desktop::OpenWrittenFile(parent, path);
}

} // namespace tallywick
