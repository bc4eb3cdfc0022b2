#pragma once

#include <QPlainTextEdit>

namespace tallywick {

// The box a report is pasted into. Entering it or clicking it selects its whole text, so that
// the next paste replaces the previous report; a pasted or dropped text is shown from its
// start. A file dropped on it is not pasted as its name but handed on to be opened.
class PasteBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit PasteBox(const QString& text, QWidget* parent = nullptr);

    // One line high and unwrapped, as in its place beside the buttons; or as large as its layout
    // makes it, wrapped like the result boxes.
    void setOneLine(bool oneLine);

signals:
    void filesDropped(const QStringList& paths);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// The first local file among the dropped or pasted things; empty when there is none.
QString DroppedFile(const QMimeData* data);
// All the local files among them, in the order given.
QStringList DroppedFiles(const QMimeData* data);

} // namespace tallywick
