#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace tallywick {

// The program's modal questions and messages, behind one seam: in tests they are not shown but
// recorded, and answered from a queue, so that no test needs a human.
namespace Dialogs {

enum class Icon { None, Information, Warning };

// A message box with an OK button only.
void message(QWidget* parent, const QString& title, const QString& text, Icon icon = Icon::None);

// An Open or Save file dialog; nothing when cancelled.
struct FileRequest {
    QString caption;
    QString folder;
    QString fileName;
    QStringList filters; // e.g. "Text (*.txt)"
    QString selectedFilter;
};
std::optional<QString> openFileName(QWidget* parent, const FileRequest& request);
// An Open dialog that lets several files be chosen; nothing when cancelled.
std::optional<QStringList> openFileNames(QWidget* parent, const FileRequest& request);
std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request);

// A one-line input box; nothing when cancelled.
std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& prompt, const QString& text);

// The program is ending: from now on no box is shown (messages go to the error output,
// questions are cancelled), and the boxes open now are closed as cancelled. Nothing may wait
// for an answer that nobody will give.
void endQuietly();
bool isQuiet();

// For tests: record instead of showing, and answer from queues (an empty queue cancels).
struct Shown {
    QString title;
    QString text;
};
void setTestMode(bool on);
std::vector<Shown>& shownMessages();
// Both answer the next file dialog: a single name, or several for openFileNames (a file name
// dialog takes the first of them).
void queueFileName(std::optional<QString> answer);
void queueFileNames(std::optional<QStringList> answer);
void queueInput(std::optional<QString> answer);
// What the last file dialog was asked (in test mode).
const FileRequest& lastFileRequest();

} // namespace Dialogs
} // namespace tallywick
