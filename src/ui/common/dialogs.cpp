#include "ui/common/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

#include <deque>

namespace tallywick::Dialogs {
namespace {

bool g_quiet = false;

struct TestState {
    bool on = false;
    std::vector<Shown> messages;
    std::deque<std::optional<QStringList>> fileNames; // one or several for each dialog
    std::deque<std::optional<QString>> inputs;
    FileRequest lastFileRequest;
};

TestState& Test()
{
    static TestState state;
    return state;
}

template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    // Taken apart so that GCC does not see a moved-from optional as uninitialised.
    const bool answered = queue.front().has_value();
    T value = queue.front().value_or(T());
    queue.pop_front();
    if (!answered)
        return std::nullopt;
    return value;
}

std::optional<QStringList> AskFileNames(QWidget* parent, const FileRequest& request, QFileDialog::FileMode mode)
{
    if (g_quiet)
        return std::nullopt;
    if (Test().on) {
        Test().lastFileRequest = request;
        auto answer = NextAnswer(Test().fileNames);
        if (answer && answer->isEmpty())
            return std::nullopt;
        return answer;
    }
    QFileDialog dialog(parent, request.caption, request.folder);
    dialog.setAcceptMode(mode == QFileDialog::AnyFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    dialog.setNameFilters(request.filters);
    dialog.selectNameFilter(request.selectedFilter);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> AskFileName(QWidget* parent, const FileRequest& request, QFileDialog::FileMode mode)
{
    const auto names = AskFileNames(parent, request, mode);
    if (!names)
        return std::nullopt;
    return names->constFirst();
}

} // namespace

void message(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    if (g_quiet) {
        qWarning("%s: %s", qUtf8Printable(title), qUtf8Printable(text));
        return;
    }
    if (Test().on) {
        Test().messages.push_back({title, text});
        return;
    }
    const auto boxIcon = icon == Icon::Information ? QMessageBox::Information
                         : icon == Icon::Warning   ? QMessageBox::Warning
                                                   : QMessageBox::NoIcon;
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    // Wide enough for its title, which window managers otherwise shorten on a small box.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(title) + 160;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}

std::optional<QString> openFileName(QWidget* parent, const FileRequest& request)
{
    return AskFileName(parent, request, QFileDialog::ExistingFile);
}

std::optional<QStringList> openFileNames(QWidget* parent, const FileRequest& request)
{
    return AskFileNames(parent, request, QFileDialog::ExistingFiles);
}

std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request)
{
    return AskFileName(parent, request, QFileDialog::AnyFile);
}

std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& prompt, const QString& text)
{
    if (g_quiet)
        return std::nullopt;
    if (Test().on)
        return NextAnswer(Test().inputs);
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void endQuietly()
{
    g_quiet = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && dialog->isVisible() && dialog->isModal())
            dialog->done(QDialog::Rejected);
    }
}

bool isQuiet()
{
    return g_quiet;
}

void setTestMode(bool on)
{
    Test() = TestState{};
    Test().on = on;
    g_quiet = false;
}

std::vector<Shown>& shownMessages()
{
    return Test().messages;
}

void queueFileName(std::optional<QString> answer)
{
    Test().fileNames.push_back(answer ? std::optional<QStringList>(QStringList{*answer}) : std::nullopt);
}

void queueFileNames(std::optional<QStringList> answer)
{
    Test().fileNames.push_back(std::move(answer));
}

void queueInput(std::optional<QString> answer)
{
    Test().inputs.push_back(std::move(answer));
}

const FileRequest& lastFileRequest()
{
    return Test().lastFileRequest;
}

} // namespace tallywick::Dialogs
