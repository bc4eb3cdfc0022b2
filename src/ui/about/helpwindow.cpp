#include "ui/about/helpwindow.h"

#include "app/settings/settingskeys.h"
#include "ui/about/helpfolder.h"
#include "ui/common/appicon.h"
#include "ui/common/desktop.h"
#include "ui/common/windowregistry.h"

#include <QAction>
#include <QKeySequence>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>

namespace tallywick {
namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 600;

} // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent) : QMainWindow(parent, Qt::Window), folder_(folder)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowIcon(AppIcon());
    resize(kWidth, kHeight);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenLinks(false);
    browser_->setSearchPaths({folder_});
    browser_->document()->setDocumentMargin(12);
    setCentralWidget(browser_);

    auto* tools = addToolBar(tr("Navigation"));
    tools->setObjectName(QStringLiteral("helpToolBar"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    forward_->setShortcut(QKeySequence::Forward);
    contents_ = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"));
    back_->setEnabled(false);
    forward_->setEnabled(false);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(contents_, &QAction::triggered, this, &HelpWindow::showContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);

    showContents();
}

void HelpWindow::showContents()
{
    browser_->setSource(QUrl::fromLocalFile(HelpIndexPath(folder_)));
}

void HelpWindow::followLink(const QUrl& url)
{
    // Pages of the help stay here; anything else belongs to the web browser or its program.
    if (url.isLocalFile() || url.isRelative())
        browser_->setSource(url);
    else
        Desktop::OpenDocument(this, url.toString());
}

void HelpWindow::showTitle()
{
    const QString help = tr("%1 Help").arg(QLatin1String(kApplicationTitle));
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() || page == help ? help : help + QStringLiteral(" - ") + page);
}

HelpWindow* ShowHelpContents(WindowRegistry& windows, QWidget* owner)
{
    const QString folder = HelpFolder();
    if (!windows.find<HelpWindow>() && folder.isEmpty())
        return nullptr;
    HelpWindow* window = windows.show<HelpWindow>([&] { return new HelpWindow(folder, owner); });
    window->showContents();
    return window;
}

} // namespace tallywick
