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
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace tallywick {
namespace {

// The box as designed, in pixels (twips / 15) of a client area of 5730 x 3555 twips for the
// small system font of its time. The whole arrangement grows evenly where today's fonts need
// more room.
constexpr QSize kBox(382, 237);
constexpr QRect kIcon(16, 16, 36, 36);
constexpr QRect kTitle(70, 16, 259, 16);
constexpr QRect kURL(70, 32, 273, 17);
constexpr QRect kVersion(70, 52, 259, 15);
constexpr QRect kDescription(70, 75, 259, 78);
constexpr int kSeparatorTop = 163;
constexpr QRect kDisclaimer(17, 175, 258, 55);
constexpr QRect kOK(283, 175, 84, 23);
constexpr QRect kSysInfo(284, 205, 83, 23);

int Scaled(int pixels, double scale)
{
    return static_cast<int>(std::lround(pixels * scale));
}

QRect Scaled(const QRect& rect, double scale)
{
    return {Scaled(rect.left(), scale), Scaled(rect.top(), scale), Scaled(rect.width(), scale),
            Scaled(rect.height(), scale)};
}

// One line of the etched separator, drawn in a colour of the window's palette.
QFrame* SeparatorLine(QWidget* parent, int index, QPalette::ColorRole colour)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("separatorLine%1").arg(index));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(colour));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
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
    disclaimerLabel_ = Named(new QLabel(QStringLiteral("Warning: ..."), this), QStringLiteral("disclaimerLabel"));
    disclaimerLabel_->setWordWrap(true);
    disclaimerLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    okButton_ = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("okButton"));
    okButton_->setDefault(true);
    systemInfoButton_ =
        Named(new QPushButton(QStringLiteral("&System Info..."), this), QStringLiteral("systemInfoButton"));
    setTabOrder(okButton_, systemInfoButton_);
    okButton_->setFocus();

    const QString title = QLatin1String(kApplicationTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    versionLabel_->setText(VersionText());
    titleLabel_->setText(title);
    descriptionLabel_->setText(AboutDescription());
    disclaimerLabel_->setText(AboutDisclaimer());

    const double scale = scaleToFit();
    setFixedSize(Scaled(kBox.width(), scale), Scaled(kBox.height(), scale));
    iconLabel_->setGeometry(Scaled(kIcon, scale));
    titleLabel_->setGeometry(Scaled(kTitle, scale));
    homePageLink_->setGeometry(Scaled(kURL, scale));
    // Clickable on its text only.
    homePageLink_->resize(std::min(homePageLink_->sizeHint().width(), homePageLink_->width()), homePageLink_->height());
    versionLabel_->setGeometry(Scaled(kVersion, scale));
    descriptionLabel_->setGeometry(Scaled(kDescription, scale));
    for (int i = 0; i < 2; ++i)
        separatorLines_[i]->setGeometry(8, Scaled(kSeparatorTop, scale) + i, width() - 16, 1);
    disclaimerLabel_->setGeometry(Scaled(kDisclaimer, scale));
    okButton_->setGeometry(Scaled(kOK, scale));
    systemInfoButton_->setGeometry(Scaled(kSysInfo, scale));

    // Esc closes the box as well: it is the dialog's cancel key.
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfoButton_, &QPushButton::clicked, this, [this] { StartSysInfo(this); });
    connect(homePageLink_, &LinkLabel::clicked, this, [this] { Desktop::OpenDocument(homePageLink_->text()); });
}

// The smallest growth (1 or more) at which every text fits its place.
double AboutDialog::scaleToFit() const
{
    double scale = 1.0;
    const auto fit = [&scale](int needed, int designed) { scale = std::max(scale, double(needed) / designed); };
    const auto fitLine = [&fit](const QLabel* label, const QRect& place) {
        fit(label->fontMetrics().horizontalAdvance(label->text()), place.width());
        fit(label->fontMetrics().height(), place.height());
    };
    fitLine(titleLabel_, kTitle);
    fitLine(homePageLink_, kURL);
    fitLine(versionLabel_, kVersion);
    const QFontMetrics metrics = descriptionLabel_->fontMetrics();
    const QStringList lines = descriptionLabel_->text().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        fit(metrics.horizontalAdvance(line), kDescription.width());
    fit(static_cast<int>(lines.size()) * metrics.lineSpacing(), kDescription.height());
    fit(okButton_->sizeHint().width(), kOK.width());
    fit(systemInfoButton_->sizeHint().width(), kSysInfo.width());
    // The warning wraps: widen until it fits its height as well.
    while (disclaimerLabel_->heightForWidth(Scaled(kDisclaimer.width(), scale)) > Scaled(kDisclaimer.height(), scale))
        scale += 0.05;
    return scale;
}

AboutDialog* ShowAboutDialog(WindowRegistry& windows, QWidget* owner)
{
    return windows.show<AboutDialog>([&] { return new AboutDialog(owner); });
}

} // namespace tallywick
