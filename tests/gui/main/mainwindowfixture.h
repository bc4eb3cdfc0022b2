#pragma once

// A program of its own for one test case: a data folder and a settings file in a temporary
// folder, a fixed "today", dialogs and desktop requests recorded instead of shown, and a
// notification area unless the case says otherwise.

#include "app/settings/settingsstore.h"
#include "support/findchild.h"
#include "support/waitforsearch.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/main/mainwindow.h"
#include "ui/main/pastebox.h"
#include "ui/main/program.h"
#include "ui/tray/trayicon.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallywick::testing {

using namespace std::chrono_literals;

// 5 December 2026.
inline constexpr std::chrono::sys_days kToday{std::chrono::year{2026} / 12 / 5};

inline constexpr const char* kExe = "GET /quarnel/shareware/pelmor.exe";
inline constexpr const char* kZip = "GET /quarnel/shareware/pelmor.zip";

// One report line of host at the given day and time for the request text.
inline std::string ReportLine(const std::string& host, const std::string& dayTime, const std::string& request,
                              int status = 200)
{
    return host + " - - [" + dayTime + " -0800] \"" + request + " HTTP/1.1\" " + std::to_string(status) +
           " 1000 \"-\" \"Mozilla/5.0\"";
}

// Four lines: one download of the ".exe", a ".zip" download, the same client's second request
// for it five minutes later (a split download), and a page.
inline std::vector<std::string> SmallReport()
{
    return {ReportLine("203.0.113.45", "04/Dec/2026:10:15:42", kExe),
            ReportLine("198.51.100.77", "04/Dec/2026:11:00:00", kZip),
            ReportLine("198.51.100.77", "04/Dec/2026:11:05:00", kZip, 206),
            ReportLine("192.0.2.10", "04/Dec/2026:12:00:00", "GET /index.html")};
}

inline QString Joined(const std::vector<std::string>& lines, const char* lineBreak = "\n")
{
    std::string text;
    for (const auto& line : lines)
        text += line + lineBreak;
    return QString::fromStdString(text);
}

// The bytes a list of records is saved as.
inline QByteArray CrLf(const std::vector<std::string>& lines)
{
    return Joined(lines, "\r\n").toUtf8();
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TestProgram {
public:
    explicit TestProgram(bool notificationArea = true)
    {
        Dialogs::setTestMode(true);
        Desktop::setTestMode(true);
        TrayIcon::setAvailableForTests(notificationArea);
        setup.dataFolder = dir.filePath(QStringLiteral("data"));
        setup.settingsFile = dir.filePath(QStringLiteral("Tallywick.ini"));
        setup.today = [] { return kToday; };
        QDir().mkpath(setup.dataFolder);
    }
    ~TestProgram()
    {
        program.reset();
        TrayIcon::setAvailableForTests(std::nullopt);
    }

    // Settings and data files as a previous run left them, before the start.
    void setting(const char* key, const QString& value)
    {
        SettingsStore(setup.settingsFile).write(QLatin1String(key), value);
    }
    std::optional<QString> stored(const char* key) const
    {
        return SettingsStore(setup.settingsFile).find(QLatin1String(key));
    }
    QString dataFile(const char* name) const { return QDir(setup.dataFolder).filePath(QLatin1String(name)); }
    void writeData(const char* name, const std::vector<std::string>& lines)
    {
        WriteFile(dataFile(name), Joined(lines, "\r\n").toUtf8());
    }
    void track(const std::vector<std::string>& items) { writeData("tracking.dat", items); }

    bool start()
    {
        program = std::make_unique<Program>(setup);
        return program->start();
    }

    MainWindow& window() const { return *program->mainWindow(); }

    // Pastes text into the paste box the way a user does: click into it, then Ctrl+V; then waits
    // for the search that starts.
    void paste(const QString& text) const
    {
        QApplication::clipboard()->setText(text);
        PasteBox* box = FindChild<PasteBox>(window(), "pasteBox");
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(searched());
    }
    template <typename Child = QWidget>
    Child* find(const char* name) const
    {
        return FindChild<Child>(window(), name);
    }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    QString result(int panel) const
    {
        return find<QPlainTextEdit>(panel == 0 ? "resultBox0" : "resultBox1")->toPlainText();
    }
    void click(const char* name) const { find<QAbstractButton>(name)->click(); }
    void trigger(const char* name) const { find<QAction>(name)->trigger(); }
    // File > Open with the dialog answering path; nullopt cancels.
    void open(const std::optional<QString>& path) const
    {
        Dialogs::queueFileName(path);
        trigger("openAction");
    }
    // Types text into a search box and presses Enter.
    void enterSearch(const char* box, const QString& text) const
    {
        QLineEdit* edit = find<QComboBox>(box)->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QAction* trayItem(const char* key) const
    {
        TrayIcon* tray = program->tray();
        for (int i = 0; i < tray->menuItemCount(); ++i) {
            if (tray->menuKey(i) == QLatin1String(key))
                return tray->menu().actions().at(i);
        }
        return nullptr;
    }
    QByteArray history() const { return FileBytes(dataFile("history.dat")); }
    // The window's search started by a click or a menu command has ended.
    bool searched() const { return WaitForSearch(window(), program->history()); }
    // The history as the running program keeps it.
    const HistorySession& session() const { return program->history().session(); }

    std::size_t said(const char* title) const { return messages(QLatin1String(title)).size(); }
    std::vector<Dialogs::Shown> messages(const QString& title) const
    {
        std::vector<Dialogs::Shown> found;
        for (const auto& shown : Dialogs::shownMessages()) {
            if (shown.title == title)
                found.push_back(shown);
        }
        return found;
    }

    QTemporaryDir dir;
    ProgramSetup setup;
    std::unique_ptr<Program> program;
};

} // namespace tallywick::testing
