#include "ui/dialogs/optionsdialog.h"

#include "app/settings/appvalues.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/dialogs/advancedoptionsdialog.h"
#include "ui/dialogs/singlewindow.h"

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
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
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
    auto* frame = Named(new QGroupBox(QLatin1String(design.title), parent), QLatin1String(design.frame));
    options[0] = Named(new QRadioButton(QStringLiteral("Default"), frame), ArrayName(design.option, 0));
    options[1] = Named(new QRadioButton(QStringLiteral("User Defined"), frame), ArrayName(design.option, 1));
    options[0]->setChecked(true);
    address = Named(new QLabel(frame), QLatin1String(design.address));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    userAddress = Named(new QLineEdit(frame), QLatin1String(design.userAddress));
    captionLabel =
        Named(new QLabel(QStringLiteral("Menu Caption"), frame), ArrayName("lblMenuCaption", design.captionIndex));
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

OptionsDialog::OptionsDialog(SettingsStore& settings, AppValues& values, QWidget* parent) :
    QWidget(parent, Qt::Window), settings_(settings), values_(values)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowIcon(AppIcon());

    // The controls keep their places when the window grows: they sit in a block at the top left.
    auto* block = new QWidget(this);
    block->setMinimumWidth(kDesignWidth - 24);

    fraTrafficURL = MakeFrame({"Traffic Report URL", "fraTrafficURL", "optTrafficURL", "lblTrafficURL", "txtTrafficURL",
                               0, "txtTrafficMenu", kDefaultTrafficMenu},
                              block, optTrafficURL, lblTrafficURL, txtTrafficURL, lblMenuCaption[0], txtTrafficMenu);
    fraDetails = MakeFrame({"Website Details URL", "fraDetails", "optDetailsURL", "lblDetailsURL", "txtDetailsURL", 1,
                            "txtDetailsMenu", kDefaultDetailsMenu},
                           block, optDetailsURL, lblDetailsURL, txtDetailsURL, lblMenuCaption[1], txtDetailsMenu);

    cmdAdvanced = Named(new QPushButton(QStringLiteral("Advanced"), block), QStringLiteral("cmdAdvanced"));
    cmdClose = Named(new QPushButton(QStringLiteral("Close"), block), QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAdvanced);
    buttons->addWidget(cmdClose);

    auto* blockLayout = new QVBoxLayout(block);
    blockLayout->setContentsMargins(0, 0, 0, 0);
    blockLayout->setSpacing(12);
    blockLayout->addWidget(fraTrafficURL);
    blockLayout->addWidget(fraDetails);
    blockLayout->addLayout(buttons);

    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->addWidget(block, 0, 0);
    outer->setColumnStretch(1, 1);
    outer->setRowStretch(1, 1);
    resize(kDesignWidth, sizeHint().height());

    // Every change counts, the ones the opening makes included.
    for (QLineEdit* box : {txtTrafficURL, txtTrafficMenu, txtDetailsURL, txtDetailsMenu})
        connect(box, &QLineEdit::textChanged, this, [this] { Changed_ = true; });

    Load();

    for (int i = 0; i < 2; ++i) {
        connect(optTrafficURL[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                optTrafficURL_Click(i);
        });
        connect(optDetailsURL[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                optDetailsURL_Click(i);
        });
    }
    connect(cmdAdvanced, &QPushButton::clicked, this, [this] { ShowAdvancedOptionsDialog(settings_, values_, this); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    // A window without an owner is never deleted when the program ends, and an ending event loop
    // closes no window: close it while the settings can still be written.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &QWidget::close);
}

OptionsDialog::~OptionsDialog()
{
    // Deleted along with its owner without being closed: the closing writes still happen.
    if (!saved_)
        SaveOnClosing();
}

void OptionsDialog::Load()
{
    lblTrafficURL->setText(DefaultTrafficPage().url);
    lblDetailsURL->setText(DefaultDetailsPage().url);
    txtTrafficURL->setText(settings_.read(keys::UserTrafficUrl));
    UserTrafficMenu = settings_.read(keys::UserTrafficMenu);
    txtDetailsURL->setText(settings_.read(keys::UserDetailsUrl));
    UserDetailsMenu = settings_.read(keys::UserDetailsMenu);

    // A stored value that is no truth value leaves "Default" selected.
    const int traffic = settings_.read(keys::TrafficUrlOption) ? 0 : 1;
    const int details = settings_.read(keys::DetailsUrlOption) ? 0 : 1;
    optTrafficURL[traffic]->setChecked(true);
    optTrafficURL_Click(traffic);
    optDetailsURL[details]->setChecked(true);
    optDetailsURL_Click(details);
}

void OptionsDialog::optTrafficURL_Click(int Index)
{
    const bool useDefault = Index == 0;
    txtTrafficMenu->setText(useDefault ? DefaultTrafficPage().menu : UserTrafficMenu);
    txtTrafficMenu->setEnabled(!useDefault);
    settings_.write(keys::TrafficUrlOption, optTrafficURL[0]->isChecked());
}

void OptionsDialog::optDetailsURL_Click(int Index)
{
    const bool useDefault = Index == 0;
    txtDetailsMenu->setText(useDefault ? DefaultDetailsPage().menu : UserDetailsMenu);
    txtDetailsMenu->setEnabled(!useDefault);
    settings_.write(keys::DetailsUrlOption, optDetailsURL[0]->isChecked());
}

void OptionsDialog::closeEvent(QCloseEvent* event)
{
    if (!saved_)
        SaveOnClosing();
    event->accept();
}

void OptionsDialog::SaveOnClosing()
{
    saved_ = true;
    const WebPageChoice traffic{optTrafficURL[0]->isChecked(), txtTrafficURL->text(), txtTrafficMenu->text()};
    const WebPageChoice details{optDetailsURL[0]->isChecked(), txtDetailsURL->text(), txtDetailsMenu->text()};
    SaveWebPageOptions(traffic, details, Changed_, settings_, values_);
}

OptionsDialog* ShowOptionsDialog(SettingsStore& settings, AppValues& values)
{
    static QPointer<OptionsDialog> open;
    return ShowSingleWindow(open, [&] { return new OptionsDialog(settings, values); });
}

} // namespace tallywick
