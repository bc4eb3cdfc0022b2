#include "ui/dialogs/trackingdialog.h"

#include "app/searchlist/searchlistsettings.h"
#include "app/store/trackingfile.h"
#include "ui/common/appicon.h"
#include "ui/dialogs/fixeddialog.h"
#include "ui/dialogs/singlewindow.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tallywick {
namespace {

constexpr int kListWidth = 260;
constexpr int kListHeight = 316;
constexpr int kMoveButtonWidth = 48;

std::optional<std::size_t> Selected(const QListWidget* list)
{
    const int row = list->currentRow();
    if (row < 0 || list->selectedItems().isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

void Show(QListWidget* list, const std::vector<std::string>& items)
{
    list->clear();
    for (const auto& item : items)
        list->addItem(QString::fromStdString(item));
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TrackingDialog::TrackingDialog(const SettingsStore& settings, QString trackingPath,
                               std::vector<std::string>& TrackedItems, QWidget* parent) :
    QDialog(parent, kFixedDialogFlags),
    trackingPath_(std::move(trackingPath)), TrackedItems_(TrackedItems)
{
    setObjectName(QStringLiteral("TrackingDialog"));
    setWindowTitle(QStringLiteral("Tracking Options"));
    setWindowIcon(AppIcon());

    lblAvailable = new QLabel(QStringLiteral("Items available for tracking:"), this);
    lblAvailable->setObjectName(QStringLiteral("lblAvailable"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    lblSelected = new QLabel(QStringLiteral("Items selected for tracking:"), this);
    lblSelected->setObjectName(QStringLiteral("lblSelected"));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    for (QListWidget* list : {List1, List2})
        list->setFixedSize(kListWidth, kListHeight);
    lblAvailable->setBuddy(List1);
    lblSelected->setBuddy(List2);

    cmdAddOne = Button(">", "cmdAddOne", this);
    cmdAddAll = Button(">>", "cmdAddAll", this);
    cmdRemoveOne = Button("<", "cmdRemoveOne", this);
    cmdRemoveAll = Button("<<", "cmdRemoveAll", this);
    for (QPushButton* button : {cmdAddOne, cmdAddAll, cmdRemoveOne, cmdRemoveAll})
        button->setFixedWidth(kMoveButtonWidth);
    cmdCancel = Button("Cancel", "cmdCancel", this);
    cmdOK = Button("OK", "cmdOK", this);

    // The two lists side by side with the move buttons between them; Cancel and OK at the
    // bottom right.
    auto* moves = new QVBoxLayout;
    moves->addSpacing(24);
    moves->addWidget(cmdAddOne);
    moves->addWidget(cmdAddAll);
    moves->addSpacing(28);
    moves->addWidget(cmdRemoveOne);
    moves->addWidget(cmdRemoveAll);
    moves->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdOK);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 16);
    grid->setHorizontalSpacing(14);
    grid->addWidget(lblAvailable, 0, 0);
    grid->addWidget(List1, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(lblSelected, 0, 2);
    grid->addWidget(List2, 1, 2);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->setRowMinimumHeight(2, 48);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // The tracked items as the file holds them, empty lines too. A file that cannot be read
    // offers nothing to add, so that "OK" cannot quietly drop what it holds.
    const auto tracking = ReadTrackingFile(trackingPath_);
    lists_.selected = tracking.lines;
    if (tracking.status != LinesRead::Status::Failed)
        lists_.available = FillAvailableList(settings, lists_.selected);
    showLists();

    connect(cmdAddOne, &QPushButton::clicked, this, [this] { moveItems([this] { lists_.addOne(Selected(List1)); }); });
    connect(cmdAddAll, &QPushButton::clicked, this, [this] { moveItems([this] { lists_.addAll(); }); });
    connect(cmdRemoveOne, &QPushButton::clicked, this,
            [this] { moveItems([this] { lists_.removeOne(Selected(List2)); }); });
    connect(cmdRemoveAll, &QPushButton::clicked, this, [this] { moveItems([this] { lists_.removeAll(); }); });
    connect(cmdOK, &QPushButton::clicked, this, &TrackingDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

template <class Change>
void TrackingDialog::moveItems(Change change)
{
    change();
    showLists();
}

void TrackingDialog::showLists()
{
    Show(List1, lists_.available);
    Show(List2, lists_.selected);
}

void TrackingDialog::cmdOK_Click()
{
    // The file is replaced whole or not at all; only a written file changes the running list.
    if (!SaveTrackedItems(trackingPath_, lists_.selected))
        TrackedItems_ = lists_.selected;
    accept();
}

TrackingDialog* ShowTrackingDialog(const SettingsStore& settings, const QString& trackingPath,
                                   std::vector<std::string>& TrackedItems, QWidget* owner)
{
    static QPointer<TrackingDialog> open;
    const bool opening = !open;
    auto* window =
        ShowSingleWindow(open, [&] { return new TrackingDialog(settings, trackingPath, TrackedItems, owner); });
    if (opening) {
        const QRect screen = window->screen()->availableGeometry();
        window->move(screen.center() - window->rect().center());
    }
    return window;
}

} // namespace tallywick
