#pragma once

#include <QMainWindow>

class QAction;
class QTextBrowser;

namespace tallywick {

class WindowRegistry;

// The help pages in a browser of their own: links between pages, back and forward, and the
// contents page. Links to the web open in the user's web browser.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    // `folder` holds the pages; the window opens at its contents page.
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    void showContents();

    QTextBrowser* browser() const { return browser_; }

private:
    void followLink(const QUrl& url);
    void showTitle();

    QString folder_;
    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
};

// Help > Contents: shows the one help window at its contents page, kept above `owner`. Shows
// nothing and returns null when the help pages cannot be found.
HelpWindow* ShowHelpContents(WindowRegistry& windows, QWidget* owner);

} // namespace tallywick
