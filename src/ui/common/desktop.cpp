#include "ui/common/desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tallywick::Desktop {
namespace {

struct TestState {
    bool on = false;
    QStringList opened;
};

TestState& Test()
{
    static TestState state;
    return state;
}

void Open(const QUrl& url)
{
    if (Test().on) {
        Test().opened.append(url.toString());
        return;
    }
    QDesktopServices::openUrl(url);
}

// The text editor the user chose ($VISUAL, $EDITOR) when it has a window of its own, or a
// common graphical one.
QString FindTextEditor()
{
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const QString command = qEnvironmentVariable(variable).trimmed();
        if (command.isEmpty())
            continue;
        const QString program = QStandardPaths::findExecutable(command.section(QLatin1Char(' '), 0, 0));
        const QString name = QFileInfo(program).fileName();
        // Terminal editors would start invisibly without a terminal.
        const bool terminal = name == QLatin1String("vi") || name == QLatin1String("vim") ||
                              name == QLatin1String("nano") || name == QLatin1String("emacs") ||
                              name == QLatin1String("ed") || name == QLatin1String("nvim");
        if (!program.isEmpty() && !terminal)
            return program;
    }
    for (const char* name :
         {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "featherpad", "leafpad"}) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(name));
        if (!program.isEmpty())
            return program;
    }
    return {};
}

} // namespace

void OpenDocument(const QString& target)
{
    const QUrl url = QUrl::fromUserInput(target);
    if (url.isValid() && !target.trimmed().isEmpty())
        Open(url);
}

void OpenFile(const QString& path)
{
    Open(QUrl::fromLocalFile(path));
}

void StartTextEditor()
{
    if (Test().on) {
        Test().opened.append(QStringLiteral("editor"));
        return;
    }
    const QString editor = FindTextEditor();
    if (!editor.isEmpty())
        QProcess::startDetached(editor, {});
}

void setTestMode(bool on)
{
    Test() = TestState{};
    Test().on = on;
}

QStringList& opened()
{
    return Test().opened;
}

} // namespace tallywick::Desktop
