#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace tallywick {

// Asks the desktop to open things with their default programs; never through a shell command
// line. In tests nothing is started: the requests are recorded.
namespace Desktop {

// A web address or a document, with the program the desktop associates with it; when nothing
// can open it, the user is told, with the address to open by hand. An empty one opens nothing.
void OpenDocument(QWidget* parent, const QString& target);
// A local file with its default program (normally the text editor for ".txt"); false when no
// program could be started for it (no desktop, no "xdg-open").
bool OpenFile(const QString& path);
// A file the program has just written, opened for the user; when nothing can open it, the user
// is told where it is, to open it by hand.
void OpenWrittenFile(QWidget* parent, const QString& path);
// The user's text editor with no file; when none can be started, the user is told.
void StartTextEditor(QWidget* parent);

void setTestMode(bool on);
// In test mode: whether opening a file or a page, or starting the editor, finds a program (it
// does unless told otherwise).
void setOpenFailsForTests(bool fails);
// Everything asked to open since test mode was switched on: URLs, and "editor" for the editor.
QStringList& opened();

} // namespace Desktop
} // namespace tallywick
