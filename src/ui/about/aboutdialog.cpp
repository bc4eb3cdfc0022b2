#include "ui/about/aboutdialog.h"

#include "app/settings/settingskeys.h"
#include "ui/about/abouttext.h"
#include "ui/about/appversion.h"
#include "ui/about/linklabel.h"
#include "ui/about/sysinfo.h"
#include "ui/common/appicon.h"
#include "ui/common/desktop.h"
#include "ui/dialogs/fixeddialog.h"
#include "ui/dialogs/singlewindow.h"

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

// The smallest growth (1 or more) at which every text fits its place.
double ScaleToFit(const AboutDialog& box)
{
    double scale = 1.0;
    const auto fit = [&scale](int needed, int designed) { scale = std::max(scale, double(needed) / designed); };
    const auto fitLine = [&fit](const QLabel* label, const QRect& place) {
        fit(label->fontMetrics().horizontalAdvance(label->text()), place.width());
        fit(label->fontMetrics().height(), place.height());
    };
    fitLine(box.lblTitle, kTitle);
    fitLine(box.lblURL, kURL);
    fitLine(box.lblVersion, kVersion);
    const QFontMetrics metrics = box.lblDescription->fontMetrics();
    const QStringList lines = box.lblDescription->text().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        fit(metrics.horizontalAdvance(line), kDescription.width());
    fit(static_cast<int>(lines.size()) * metrics.lineSpacing(), kDescription.height());
    fit(box.cmdOK->sizeHint().width(), kOK.width());
    fit(box.cmdSysInfo->sizeHint().width(), kSysInfo.width());
    // The warning wraps: widen until it fits its height as well.
    while (box.lblDisclaimer->heightForWidth(Scaled(kDisclaimer.width(), scale)) > Scaled(kDisclaimer.height(), scale))
        scale += 0.05;
    return scale;
}

// One line of the etched separator, drawn in a colour of the window's palette.
QFrame* SeparatorLine(QWidget* parent, int index, QPalette::ColorRole colour)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1_%1").arg(index));
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

    picIcon = Named(new QLabel(this), QStringLiteral("picIcon"));
    picIcon->setPixmap(AppIcon().pixmap(32, 32));
    picIcon->setAlignment(Qt::AlignCenter);
    lblTitle = Named(new QLabel(this), QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblURL = Named(new LinkLabel(QString::fromUtf8(kMakerHomePage), this), QStringLiteral("lblURL"));
    lblVersion = Named(new QLabel(this), QStringLiteral("lblVersion"));
    lblDescription = Named(new QLabel(this), QStringLiteral("lblDescription"));
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Line1[0] = SeparatorLine(this, 0, QPalette::Dark);
    Line1[1] = SeparatorLine(this, 1, QPalette::Light);
    lblDisclaimer = Named(new QLabel(QStringLiteral("Warning: ..."), this), QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = Named(new QPushButton(QStringLiteral("&System Info..."), this), QStringLiteral("cmdSysInfo"));
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    const QString title = QLatin1String(kApplicationTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(VersionText());
    lblTitle->setText(title);
    lblDescription->setText(AboutDescription());
    lblDisclaimer->setText(AboutDisclaimer());

    const double scale = ScaleToFit(*this);
    setFixedSize(Scaled(kBox.width(), scale), Scaled(kBox.height(), scale));
    picIcon->setGeometry(Scaled(kIcon, scale));
    lblTitle->setGeometry(Scaled(kTitle, scale));
    lblURL->setGeometry(Scaled(kURL, scale));
    // Clickable on its text only.
    lblURL->resize(std::min(lblURL->sizeHint().width(), lblURL->width()), lblURL->height());
    lblVersion->setGeometry(Scaled(kVersion, scale));
    lblDescription->setGeometry(Scaled(kDescription, scale));
    for (int i = 0; i < 2; ++i)
        Line1[i]->setGeometry(8, Scaled(kSeparatorTop, scale) + i, width() - 16, 1);
    lblDisclaimer->setGeometry(Scaled(kDisclaimer, scale));
    cmdOK->setGeometry(Scaled(kOK, scale));
    cmdSysInfo->setGeometry(Scaled(kSysInfo, scale));

    // Esc closes the box as well: it is the dialog's cancel key.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(this); });
    connect(lblURL, &LinkLabel::clicked, this, [this] { Desktop::OpenDocument(lblURL->text()); });
}

AboutDialog* ShowAboutDialog(QWidget* owner)
{
    static QPointer<AboutDialog> open;
    return ShowSingleWindow(open, [&] { return new AboutDialog(owner); });
}

} // namespace tallywick
