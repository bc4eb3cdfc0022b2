#include "ui/common/desktop.h"

#include "ui/common/dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tallywick::Desktop {
namespace {

struct TestState {
    bool on = false;
    bool openFails = false;
    QStringList opened;
};

TestState& Test()
{
    static TestState state;
    return state;
}

bool Open(const QUrl& url)
{
    if (Test().on) {
        Test().opened.append(url.toString());
        return !Test().openFails;
    }
    return QDesktopServices::openUrl(url);
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

void OpenDocument(QWidget* parent, const QString& target)
{
    if (target.trimmed().isEmpty())
        return;
    const QUrl url = QUrl::fromUserInput(target);
    if (url.isValid() && Open(url))
        return;
    Dialogs::message(parent, QStringLiteral("Tallywick"),
                     QCoreApplication::translate("tallywick::Desktop",
                                                 "No program could be found to open %1.\n\nOpen it in your web "
                                                 "browser by hand.")
                         .arg(target),
                     Dialogs::Icon::Information);
}

bool OpenFile(const QString& path)
{
    return Open(QUrl::fromLocalFile(path));
}

void OpenWrittenFile(QWidget* parent, const QString& path)
{
    if (!OpenFile(path))
        Dialogs::message(
            parent, QStringLiteral("Tallywick"),
            QCoreApplication::translate("tallywick::Desktop",
                                        "No program could be found to open %1.\n\nThe file is written: open it with "
                                        "a text editor.")
                .arg(QDir::toNativeSeparators(path)),
            Dialogs::Icon::Information);
}

void StartTextEditor(QWidget* parent)
{
    bool started = false;
    if (Test().on) {
        Test().opened.append(QStringLiteral("editor"));
        started = !Test().openFails;
    } else {
        const QString editor = FindTextEditor();
        started = !editor.isEmpty() && QProcess::startDetached(editor, {});
    }
    if (!started)
        Dialogs::message(parent, QStringLiteral("Tallywick"),
                         QCoreApplication::translate("tallywick::Desktop",
                                                     "No text editor could be started.\n\nInstall a text editor "
                                                     "with a window of its own, such as gedit or Kate, or name "
                                                     "yours in the VISUAL or EDITOR environment variable."),
                         Dialogs::Icon::Information);
}

void setTestMode(bool on)
{
    Test() = TestState{};
    Test().on = on;
}

void setOpenFailsForTests(bool fails)
{
    Test().openFails = fails;
}

QStringList& opened()
{
    return Test().opened;
}

} // namespace tallywick::Desktop
