#include "ui/dialogs/optionsdialog.h"

#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/advancedoptionsdialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallywick {
namespace {

// Design width of the window's client area: 8100 twips.
constexpr int kDesignWidth = 540;
constexpr int kCaptionBoxWidth = 180;

template <typename Widget>
Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QString ArrayName(const char* name, int index)
{
    return QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index);
}

// What one frame is called and holds at design.
struct FrameDesign {
    const char* title;
    const char* frame;
    const char* option;
    const char* address;
    const char* userAddress;
    int captionIndex;
    const char* caption;
    const char* designedCaption;
};

// One frame: "Default" with the default address, "User Defined" with the address box, and the
// menu caption box below them.
QGroupBox* MakeFrame(const FrameDesign& design, QWidget* parent, std::array<QRadioButton*, 2>& options,
                     QLabel*& address, QLineEdit*& userAddress, QLabel*& captionLabel, QLineEdit*& caption)
{
    auto* frame = Named(new QGroupBox(QCoreApplication::translate("tallywick::OptionsDialog", design.title), parent),
                        QLatin1String(design.frame));
    options[0] = Named(new QRadioButton(QCoreApplication::translate("tallywick::OptionsDialog", "Default"), frame),
                       ArrayName(design.option, 0));
    options[1] = Named(new QRadioButton(QCoreApplication::translate("tallywick::OptionsDialog", "User Defined"), frame),
                       ArrayName(design.option, 1));
    options[0]->setChecked(true);
    address = Named(new QLabel(frame), QLatin1String(design.address));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    userAddress = Named(new QLineEdit(frame), QLatin1String(design.userAddress));
    captionLabel = Named(new QLabel(QCoreApplication::translate("tallywick::OptionsDialog", "Menu Caption"), frame),
                         ArrayName("captionLabel", design.captionIndex));
    caption = Named(new QLineEdit(QString::fromUtf8(design.designedCaption), frame), QLatin1String(design.caption));
    caption->setFixedWidth(kCaptionBoxWidth);

    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);
    grid->addWidget(options[0], 0, 0);
    grid->addWidget(address, 0, 1);
    grid->addWidget(options[1], 1, 0);
    grid->addWidget(userAddress, 1, 1);
    grid->addWidget(captionLabel, 2, 0);
    grid->addWidget(caption, 2, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return frame;
}

} // namespace

OptionsDialog::OptionsDialog(WindowRegistry& windows, SettingsStore& settings, Preferences& preferences,
                             QWidget* parent) :
    QWidget(parent, Qt::Window),
    windows_(windows), settings_(settings), preferences_(preferences)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(tr("Options"));
    setWindowIcon(AppIcon());

    // The controls keep their places when the window grows: they sit in a block at the top left.
    auto* block = new QWidget(this);
    block->setMinimumWidth(kDesignWidth - 24);

    trafficFrame_ =
        MakeFrame({QT_TRANSLATE_NOOP("tallywick::OptionsDialog", "Traffic Report URL"), "trafficFrame", "trafficChoice",
                   "trafficDefaultUrl", "trafficUrlBox", 0, "trafficCaptionBox", kDefaultTrafficMenu},
                  block, trafficChoices_, trafficDefaultUrl_, trafficUrlBox_, captionLabels_[0], trafficCaptionBox_);
    detailsFrame_ =
        MakeFrame({QT_TRANSLATE_NOOP("tallywick::OptionsDialog", "Website Details URL"), "detailsFrame",
                   "detailsChoice", "detailsDefaultUrl", "detailsUrlBox", 1, "detailsCaptionBox", kDefaultDetailsMenu},
                  block, detailsChoices_, detailsDefaultUrl_, detailsUrlBox_, captionLabels_[1], detailsCaptionBox_);

    advancedButton_ = Named(new QPushButton(tr("Advanced"), block), QStringLiteral("advancedButton"));
    closeButton_ = Named(new QPushButton(tr("Close"), block), QStringLiteral("closeButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(advancedButton_);
    buttons->addWidget(closeButton_);

    auto* blockLayout = new QVBoxLayout(block);
    blockLayout->setContentsMargins(0, 0, 0, 0);
    blockLayout->setSpacing(12);
    blockLayout->addWidget(trafficFrame_);
    blockLayout->addWidget(detailsFrame_);
    blockLayout->addLayout(buttons);

    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->addWidget(block, 0, 0);
    outer->setColumnStretch(1, 1);
    outer->setRowStretch(1, 1);
    resize(kDesignWidth, sizeHint().height());

    // Every change counts, the ones the opening makes included.
    for (QLineEdit* box : {trafficUrlBox_, trafficCaptionBox_, detailsUrlBox_, detailsCaptionBox_})
        connect(box, &QLineEdit::textChanged, this, [this] { changed_ = true; });

    load();

    for (int i = 0; i < 2; ++i) {
        connect(trafficChoices_[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                trafficChoiceMade(i);
        });
        connect(detailsChoices_[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                detailsChoiceMade(i);
        });
    }
    connect(advancedButton_, &QPushButton::clicked, this,
            [this] { ShowAdvancedOptionsDialog(windows_, preferences_, this); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    // A window without an owner is never deleted when the program ends, and an ending event loop
    // closes no window: close it while the settings can still be written.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &QWidget::close);
}

OptionsDialog::~OptionsDialog()
{
    // Deleted along with its owner without being closed: the closing writes still happen.
    if (!saved_)
        saveOnClosing();
}

void OptionsDialog::load()
{
    trafficDefaultUrl_->setText(DefaultTrafficPage().url);
    detailsDefaultUrl_->setText(DefaultDetailsPage().url);
    trafficUrlBox_->setText(settings_.read(keys::UserTrafficUrl));
    userTrafficMenu_ = settings_.read(keys::UserTrafficMenu);
    detailsUrlBox_->setText(settings_.read(keys::UserDetailsUrl));
    userDetailsMenu_ = settings_.read(keys::UserDetailsMenu);

    // A stored value that is no truth value leaves "Default" selected.
    const int traffic = settings_.read(keys::TrafficUrlOption) ? 0 : 1;
    const int details = settings_.read(keys::DetailsUrlOption) ? 0 : 1;
    trafficChoices_[traffic]->setChecked(true);
    trafficChoiceMade(traffic);
    detailsChoices_[details]->setChecked(true);
    detailsChoiceMade(details);
}

void OptionsDialog::trafficChoiceMade(int index)
{
    const bool useDefault = index == 0;
    trafficCaptionBox_->setText(useDefault ? DefaultTrafficPage().menu : userTrafficMenu_);
    trafficCaptionBox_->setEnabled(!useDefault);
    settings_.write(keys::TrafficUrlOption, trafficChoices_[0]->isChecked());
}

void OptionsDialog::detailsChoiceMade(int index)
{
    const bool useDefault = index == 0;
    detailsCaptionBox_->setText(useDefault ? DefaultDetailsPage().menu : userDetailsMenu_);
    detailsCaptionBox_->setEnabled(!useDefault);
    settings_.write(keys::DetailsUrlOption, detailsChoices_[0]->isChecked());
}

void OptionsDialog::closeEvent(QCloseEvent* event)
{
    if (!saved_)
        saveOnClosing();
    event->accept();
}

void OptionsDialog::saveOnClosing()
{
    saved_ = true;
    const WebPageChoice traffic{trafficChoices_[0]->isChecked(), trafficUrlBox_->text(), trafficCaptionBox_->text()};
    const WebPageChoice details{detailsChoices_[0]->isChecked(), detailsUrlBox_->text(), detailsCaptionBox_->text()};
    SaveWebPageOptions(traffic, details, changed_, settings_, preferences_);
}

OptionsDialog* ShowOptionsDialog(WindowRegistry& windows, SettingsStore& settings, Preferences& preferences)
{
    return windows.show<OptionsDialog>([&] { return new OptionsDialog(windows, settings, preferences); });
}

} // namespace tallywick
