#include "ui/dialogs/trackingdialog.h"

#include "app/searchlist/searchlistsettings.h"
#include "app/store/trackingfile.h"
#include "ui/common/appicon.h"
#include "ui/common/dialogs.h"
#include "ui/common/windowregistry.h"

#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tallywick {
namespace {

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

TrackingDialog::TrackingDialog(const SettingsStore& settings, QString trackingPath, Chosen chosen, QWidget* parent) :
    QDialog(parent, Qt::Dialog), trackingPath_(std::move(trackingPath)), chosen_(std::move(chosen))
{
    setObjectName(QStringLiteral("TrackingDialog"));
    setWindowTitle(tr("Tracking Options"));
    setWindowIcon(AppIcon());

    availableLabel_ = new QLabel(tr("Items available for tracking:"), this);
    availableLabel_->setObjectName(QStringLiteral("availableLabel"));
    availableList_ = new QListWidget(this);
    availableList_->setObjectName(QStringLiteral("availableList"));
    trackedLabel_ = new QLabel(tr("Items selected for tracking:"), this);
    trackedLabel_->setObjectName(QStringLiteral("trackedLabel"));
    trackedList_ = new QListWidget(this);
    trackedList_->setObjectName(QStringLiteral("trackedList"));
    // Room for some 40 characters by 20 lines; the lists grow with the window.
    for (QListWidget* list : {availableList_, trackedList_})
        list->setMinimumSize(list->fontMetrics().averageCharWidth() * 40, list->fontMetrics().lineSpacing() * 20);
    availableLabel_->setBuddy(availableList_);
    trackedLabel_->setBuddy(trackedList_);

    addOneButton_ = Button(">", "addOneButton", this);
    addAllButton_ = Button(">>", "addAllButton", this);
    removeOneButton_ = Button("<", "removeOneButton", this);
    removeAllButton_ = Button("<<", "removeAllButton", this);
    // As narrow as their arrows, which the styles would widen like any other button.
    for (QPushButton* button : {addOneButton_, addAllButton_, removeOneButton_, removeAllButton_})
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("<<")) * 2 + 16);
    cancelButton_ = Button("Cancel", "cancelButton", this);
    okButton_ = Button("OK", "okButton", this);

    // The two lists side by side with the move buttons between them; Cancel and OK at the
    // bottom right.
    auto* moves = new QVBoxLayout;
    moves->addSpacing(24);
    moves->addWidget(addOneButton_);
    moves->addWidget(addAllButton_);
    moves->addSpacing(28);
    moves->addWidget(removeOneButton_);
    moves->addWidget(removeAllButton_);
    moves->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okButton_);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 16);
    grid->setHorizontalSpacing(14);
    grid->addWidget(availableLabel_, 0, 0);
    grid->addWidget(availableList_, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(trackedLabel_, 0, 2);
    grid->addWidget(trackedList_, 1, 2);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    // The tracked items as the file holds them, empty lines too. A file that cannot be read
    // offers nothing to add, so that "OK" cannot quietly drop what it holds.
    const auto tracking = ReadTrackingFile(trackingPath_);
    lists_.selected = tracking.lines;
    if (tracking.status != LinesRead::Status::Failed)
        lists_.available = FillAvailableList(settings, lists_.selected);
    showLists();

    connect(addOneButton_, &QPushButton::clicked, this,
            [this] { moveItems([this] { lists_.addOne(Selected(availableList_)); }); });
    connect(addAllButton_, &QPushButton::clicked, this, [this] { moveItems([this] { lists_.addAll(); }); });
    connect(removeOneButton_, &QPushButton::clicked, this,
            [this] { moveItems([this] { lists_.removeOne(Selected(trackedList_)); }); });
    connect(removeAllButton_, &QPushButton::clicked, this, [this] { moveItems([this] { lists_.removeAll(); }); });
    connect(okButton_, &QPushButton::clicked, this, &TrackingDialog::acceptChoice);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

template <class Change>
void TrackingDialog::moveItems(Change change)
{
    change();
    showLists();
}

void TrackingDialog::showLists()
{
    Show(availableList_, lists_.available);
    Show(trackedList_, lists_.selected);
}

void TrackingDialog::acceptChoice()
{
    // The file is replaced whole or not at all; only a written file changes the running list.
    // Otherwise the window stays open with the choice, to try again or cancel.
    if (const auto failure = SaveTrackedItems(trackingPath_, lists_.selected)) {
        Dialogs::message(this, tr("Tracking Options"),
                         tr("The tracked items could not be saved to %1 (%2).")
                             .arg(QDir::toNativeSeparators(trackingPath_), *failure),
                         Dialogs::Icon::Warning);
        return;
    }
    if (chosen_)
        chosen_(lists_.selected);
    accept();
}

TrackingDialog* ShowTrackingDialog(WindowRegistry& windows, const SettingsStore& settings, const QString& trackingPath,
                                   TrackingDialog::Chosen chosen, QWidget* owner)
{
    const bool opening = windows.find<TrackingDialog>() == nullptr;
    auto* window = windows.show<TrackingDialog>(
        [&] { return new TrackingDialog(settings, trackingPath, std::move(chosen), owner); });
    if (opening) {
        const QRect screen = window->screen()->availableGeometry();
        window->move(screen.center() - window->rect().center());
    }
    return window;
}

} // namespace tallywick
