#include "ui/views/textarea.h"

#include <QCoreApplication>

#include "ui/views/viewtexts.h"

#include <QPlainTextEdit>

namespace tallywick {

QPlainTextEdit* MakeTextArea(QWidget* parent)
{
    auto* area = new QPlainTextEdit(parent);
    area->setObjectName(QStringLiteral("textArea"));
    area->setReadOnly(true);
    area->setUndoRedoEnabled(false);
    return area;
}

void ShowText(QPlainTextEdit* area, std::string_view text)
{
    QString shown = ViewText(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    area->setPlainText(shown);
}

void ShowPleaseWait(QPlainTextEdit* area)
{
    area->setPlainText(QCoreApplication::translate("tallywick::TextArea", "Please Wait...."));
    if (area->isVisible())
        area->viewport()->repaint();
}

} // namespace tallywick
