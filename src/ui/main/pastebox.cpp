#include "ui/main/pastebox.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QMimeData>
#include <QTextCursor>
#include <QUrl>
#include <QtMath>

namespace tallywick {

QString DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const auto urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

QStringList DroppedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    const auto urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

namespace {

// The room around the text. It lies outside the scrolled area, so that no part of a line shows in
// it, as one would in the document's own margin once the text is scrolled.
constexpr QMargins kTextMargins{4, 3, 4, 3};

} // namespace

PasteBox::PasteBox(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent)
{
    setTabChangesFocus(true);
    document()->setDocumentMargin(0);
    setViewportMargins(kTextMargins);
    // The margins show the box's own background: that of the text.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PasteBox::setOneLine(bool oneLine)
{
    if (oneLine) {
        // Exactly one line, whole, wherever the text is scrolled to.
        const int line = qCeil(QFontMetricsF(document()->defaultFont()).lineSpacing());
        setFixedHeight(line + kTextMargins.top() + kTextMargins.bottom() + 2 * frameWidth());
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    }
    setLineWrapMode(oneLine ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    const auto scrollBars = oneLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setVerticalScrollBarPolicy(scrollBars);
    setHorizontalScrollBarPolicy(scrollBars);
}

void PasteBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    // Back from its own context menu the user may be copying a part of it.
    if (event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void PasteBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    // A click selects everything; dragging still selects a part.
    if (!textCursor().hasSelection())
        selectAll();
}

void PasteBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QPlainTextEdit::dragEnterEvent(event);
}

void PasteBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QPlainTextEdit::dragMoveEvent(event);
}

// A dropped file bypasses the text editing altogether, which would count as an edit.
void PasteBox::dropEvent(QDropEvent* event)
{
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(files);
}

bool PasteBox::canInsertFromMimeData(const QMimeData* source) const
{
    return !DroppedFile(source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
}

void PasteBox::insertFromMimeData(const QMimeData* source)
{
    const QStringList files = DroppedFiles(source);
    if (!files.isEmpty()) {
        emit filesDropped(files);
        return;
    }
    if (!source || !source->hasText())
        return;
    const QTextCursor cursor = textCursor();
    const bool replacesAll = document()->isEmpty() || (cursor.selectionStart() == 0 &&
                                                       cursor.selectionEnd() >= document()->characterCount() - 1);
    if (replacesAll) {
        // Much faster than an edit for a report of many megabytes; the box then starts at the top.
        setPlainText(source->text());
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
    moveCursor(QTextCursor::Start);
}

} // namespace tallywick
