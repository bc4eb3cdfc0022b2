#include "ui/about/aboutdialog.h"

#include "app/settings/settingskeys.h"
#include "ui/about/abouttext.h"
#include "ui/about/appversion.h"
#include "ui/about/linklabel.h"
#include "ui/about/sysinfo.h"
#include "ui/common/appicon.h"
#include "ui/common/desktop.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/fixeddialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallywick {
namespace {

// One line of the etched separator, drawn in a colour of the window's palette.
QFrame* SeparatorLine(QWidget* parent, int index, QPalette::ColorRole colour)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("separatorLine%1").arg(index));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(colour));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    line->setFixedHeight(1);
    return line;
}

template <typename Widget>
Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowIcon(AppIcon());

    iconLabel_ = Named(new QLabel(this), QStringLiteral("iconLabel"));
    iconLabel_->setPixmap(AppIcon().pixmap(32, 32));
    iconLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_ = Named(new QLabel(this), QStringLiteral("titleLabel"));
    QFont titleFont = titleLabel_->font();
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);
    homePageLink_ = Named(new LinkLabel(QString::fromUtf8(kMakerHomePage), this), QStringLiteral("homePageLink"));
    versionLabel_ = Named(new QLabel(this), QStringLiteral("versionLabel"));
    descriptionLabel_ = Named(new QLabel(this), QStringLiteral("descriptionLabel"));
    descriptionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    separatorLines_[0] = SeparatorLine(this, 0, QPalette::Dark);
    separatorLines_[1] = SeparatorLine(this, 1, QPalette::Light);
    disclaimerLabel_ = Named(new QLabel(tr("Warning: ..."), this), QStringLiteral("disclaimerLabel"));
    disclaimerLabel_->setWordWrap(true);
    disclaimerLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    okButton_ = Named(new QPushButton(tr("OK"), this), QStringLiteral("okButton"));
    okButton_->setDefault(true);
    systemInfoButton_ = Named(new QPushButton(tr("&System Info..."), this), QStringLiteral("systemInfoButton"));
    setTabOrder(okButton_, systemInfoButton_);
    okButton_->setFocus();

    const QString title = QLatin1String(kApplicationTitle);
    setWindowTitle(tr("About %1").arg(title));
    versionLabel_->setText(VersionText());
    titleLabel_->setText(title);
    descriptionLabel_->setText(AboutDescription());
    disclaimerLabel_->setText(AboutDisclaimer());

    // The icon beside the title, the home page, the version and the description; under the
    // etched line the warning, with "OK" and "System Info" on its right.
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(titleLabel_);
    // Clickable on its text only.
    texts->addWidget(homePageLink_, 0, Qt::AlignLeft);
    texts->addWidget(versionLabel_);
    texts->addSpacing(6);
    texts->addWidget(descriptionLabel_);
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(iconLabel_, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* separator = new QVBoxLayout;
    separator->setSpacing(0);
    for (QFrame* line : separatorLines_)
        separator->addWidget(line);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(systemInfoButton_);
    buttons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    bottom->addWidget(disclaimerLabel_, 1);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 10);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addLayout(separator);
    layout->addLayout(bottom);
    // As designed the warning wraps in some 40 characters beside the buttons.
    disclaimerLabel_->setMinimumWidth(disclaimerLabel_->fontMetrics().averageCharWidth() * 44);
    iconLabel_->setFixedSize(36, 36);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Esc closes the box as well: it is the dialog's cancel key.
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfoButton_, &QPushButton::clicked, this, [this] { StartSysInfo(this); });
    connect(homePageLink_, &LinkLabel::clicked, this, [this] { Desktop::OpenDocument(this, homePageLink_->text()); });
}

AboutDialog* ShowAboutDialog(WindowRegistry& windows, QWidget* owner)
{
    return windows.show<AboutDialog>([&] { return new AboutDialog(owner); });
}

} // namespace tallywick
