#include "ui/main/mainwindow.h"

#include "app/files/fileexists.h"
#include "app/files/paths.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/appvalues.h"
#include "app/settings/settingsstore.h"
#include "app/store/historystore.h"
#include "app/store/trackingfile.h"
#include "ui/common/appicon.h"
#include "ui/common/busycursor.h"
#include "ui/common/dialogs.h"
#include "ui/main/activationwatcher.h"
#include "ui/main/otherwindows.h"
#include "ui/main/pastebox.h"
#include "ui/main/twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace tallywick {
namespace {

constexpr qreal kDesignPointSize = 8;

QPushButton* NewButton(const QString& caption, const QString& name, QRect place, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QLabel* NewLabel(const QString& caption, const QString& name, QRect place, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

QCheckBox* NewCheckBox(const QString& caption, const QString& name, QRect place, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

QPlainTextEdit* NewResultBox(const QString& name, QRect place, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setReadOnly(true);
    box->setUndoRedoEnabled(false);
    box->setTabChangesFocus(true);
    return box;
}

QComboBox* NewSearchBox(int index, QRect place, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("Combo1_%1").arg(index));
    box->setGeometry(place);
    box->setEditable(true);
    // The list grows only by the remembered search texts, and typing is never completed.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setDuplicatesEnabled(true);
    box->setMaxVisibleItems(12);
    return box;
}

} // namespace

MainWindow::MainWindow(MainWindowContext context) :
    QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
    settings_(context.settings), values_(context.values), dataFolder_(std::move(context.dataFolder)),
    MoreFlags(context.MoreFlags), today_(std::move(context.today)),
    historyStore_(std::make_unique<HistoryStore>(dataFolder_.historyPath(), settings_, std::move(context.historySave),
                                                 std::move(context.historyRead)))
{
    setObjectName(QStringLiteral("MainWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tallywick"));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    CreateControls();
    CreateMenus();
    SetTabOrder();
    ConnectControls();
    views_ = std::make_unique<HistoryViews>(
        HistoryViewContext{session_.History, TrackedItems_, values_, settings_, dataFolder_, today_});
    activation_ = new ActivationWatcher(this);
    connect(activation_, &ActivationWatcher::activated, this, &MainWindow::Form_Activate, Qt::QueuedConnection);
    connect(activation_, &ActivationWatcher::deactivated, this, &MainWindow::Form_Deactivate, Qt::QueuedConnection);

    Form_Initialize();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips(9315), Twips(6315));
    // The arrangement was drawn for an 8 point font.
    QFont designFont = client->font();
    designFont.setPointSizeF(kDesignPointSize);
    client->setFont(designFont);
    setCentralWidget(client);

    const std::array<QString, kPanelCount> designed{QString::fromUtf8(kDesignedSearchText0),
                                                    QString::fromUtf8(kDesignedSearchText1)};
    // Panel 1 lies 2760 twips below panel 0.
    for (int i = 0; i < kPanelCount; ++i) {
        const int down = i * 2760;
        const auto at = static_cast<std::size_t>(i);
        lblFind[at] = NewLabel(QStringLiteral("Find:"), QStringLiteral("lblFind_%1").arg(i),
                               TwipsRect(240, 120 + down, 495, 255), client);
        Combo1[at] = NewSearchBox(i, TwipsRect(240, 360 + down, 6975, 315), client);
        Combo1[at]->setEditText(designed[at]);
        cmdmore[at] = NewButton(QStringLiteral(">>"), QStringLiteral("cmdmore_%1").arg(i),
                                TwipsRect(7320, 60 + down, 375, 255), client);
        cmdRefresh[at] = NewButton(QStringLiteral("Go"), QStringLiteral("cmdRefresh_%1").arg(i),
                                   TwipsRect(7320, 360 + down, 375, 375), client);
        cmdNotePad[at] = NewButton(QStringLiteral("Notepad"), QStringLiteral("cmdNotePad_%1").arg(i),
                                   TwipsRect(7800, 60 + down, 1215, 255), client);
    }
    lblExe = NewLabel(QString(), QStringLiteral("lblExe"), TwipsRect(7920, 480, 1095, 255), client);
    lblZip = NewLabel(QString(), QStringLiteral("lblZip"), TwipsRect(7920, 3240, 1095, 255), client);
    RichTextBox1 = NewResultBox(QStringLiteral("RichTextBox1"), TwipsRect(240, 840, 8775, 1935), client);
    RichTextBox2 = NewResultBox(QStringLiteral("RichTextBox2"), TwipsRect(240, 3600, 8775, 1935), client);

    LblTrafficReport = NewLabel(QStringLiteral("Tripod Traffic Report:"), QStringLiteral("LblTrafficReport"),
                                TwipsRect(240, 5640, 1575, 255), client);
    chkSearchFile = NewCheckBox(QStringLiteral("Optional: Search file on startup"), QStringLiteral("chkSearchFile"),
                                TwipsRect(1920, 5600, 2535, 255), client);
    chkNoDuplicates = NewCheckBox(QStringLiteral("No duplicates"), QStringLiteral("chkNoDuplicates"),
                                  TwipsRect(4680, 5600, 1335, 255), client);
    chkNoDuplicates->setChecked(true);
    chkFullwindow = NewCheckBox(QStringLiteral("Full Window"), QStringLiteral("chkFullwindow"),
                                TwipsRect(6240, 5600, 1575, 255), client);

    rtbPasteBox = new PasteBox(kPastePrompt, client);
    rtbPasteBox->setObjectName(QStringLiteral("rtbPasteBox"));
    QFont pasteFont(QStringLiteral("Sans Serif"));
    pasteFont.setStyleHint(QFont::SansSerif);
    pasteFont.setPointSizeF(8.5);
    rtbPasteBox->setFont(pasteFont);
    rtbPasteBox->setToolTip(QStringLiteral("Paste text to search here."));
    // Made after the paste box, so it lies over the box's left end.
    cmdMove = NewButton(QStringLiteral("<<"), QStringLiteral("cmdMove"), TwipsRect(260, 5885, 375, 255), client);
    PlacePasteBox(Twips(240), false);

    // Room for a second line, as a count of a large report is long.
    lblAll = NewLabel(QString(), QStringLiteral("lblAll"), TwipsRect(6240, 5880, 1695, 435), client);
    lblAll->setWordWrap(true);
    lblAll->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cmdClose = NewButton(QStringLiteral("Close"), QStringLiteral("cmdClose"), TwipsRect(8040, 5880, 855, 375), client);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(Twips(375));
    statusPanel_ = new QLabel(StatusBar1);
    statusPanel_->setObjectName(QStringLiteral("StatusBar1_Panel1"));
    statusPanel_->setTextFormat(Qt::PlainText);
    // A long path must not widen the window.
    statusPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusBar1->addWidget(statusPanel_, 1);
    setStatusBar(StatusBar1);

    FitCaptions();
    // The window keeps its designed size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// A font wider than the designed one would clip the captions of the check box row: each control
// grows to its caption, and pushes the ones after it to the right.
void MainWindow::FitCaptions()
{
    constexpr int kGap = 6;
    int right = 0;
    for (QWidget* control : std::array<QWidget*, 4>{LblTrafficReport, chkSearchFile, chkNoDuplicates, chkFullwindow}) {
        QRect place = control->geometry();
        place.moveLeft(std::max(place.left(), right + kGap));
        place.setWidth(std::max(place.width(), control->sizeHint().width()));
        control->setGeometry(place);
        right = place.right();
    }
}

void MainWindow::SetTabOrder()
{
    const std::array<QWidget*, 16> order{RichTextBox1,  RichTextBox2,    rtbPasteBox,   cmdClose,
                                         chkSearchFile, chkNoDuplicates, Combo1[0],     Combo1[1],
                                         cmdRefresh[0], cmdRefresh[1],   cmdmore[0],    cmdmore[1],
                                         chkFullwindow, cmdMove,         cmdNotePad[0], cmdNotePad[1]};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    RichTextBox1->setFocus();
}

void MainWindow::ConnectControls()
{
    for (int i = 0; i < kPanelCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        connect(cmdRefresh[at], &QPushButton::clicked, this, [this, i] { cmdRefresh_Click(i); });
        connect(Combo1[at], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
        connect(cmdmore[at], &QPushButton::clicked, this, [this, i] { cmdmore_Click(i); });
        connect(cmdNotePad[at], &QPushButton::clicked, this, [this, i] { cmdNotePad_Click(i); });
        // Enter in the box is the "Go" button; the box itself must not see it.
        Combo1[at]->installEventFilter(this);
        Combo1[at]->lineEdit()->installEventFilter(this);
    }
    connect(rtbPasteBox, &QPlainTextEdit::textChanged, this, &MainWindow::rtbPasteBox_Change);
    connect(rtbPasteBox, &PasteBox::fileDropped, this, &MainWindow::OpenReport);
    connect(chkNoDuplicates, &QCheckBox::clicked, this, &MainWindow::chkNoDuplicates_Click);
    connect(chkSearchFile, &QCheckBox::clicked, this, &MainWindow::chkSearchFile_Click);
    // Full Window follows its value however it changes, as the menu commands uncheck it too.
    connect(chkFullwindow, &QCheckBox::toggled, this, &MainWindow::chkFullwindow_Click);
    connect(cmdMove, &QPushButton::clicked, this, &MainWindow::cmdMove_Click);
    connect(cmdClose, &QPushButton::clicked, this, &MainWindow::close);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int i = 0; i < kPanelCount; ++i) {
                const auto at = static_cast<std::size_t>(i);
                if (watched == Combo1[at] || watched == Combo1[at]->lineEdit()) {
                    cmdRefresh_Click(i);
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Form_Initialize()
{
    ReportPath_ = settings_.read(QLatin1String(keys::Path), DefaultReportPath());
}

void MainWindow::Form_Load()
{
    TempFilePath_ = dataFolder_.tempFilePath();
    GoToUrl_ = settings_.read(keys::GoToUrl);
    for (int i = 0; i < kPanelCount; ++i) {
        panels_[static_cast<std::size_t>(i)] = LoadSearchPanel(settings_, i);
        ShowPanel(i);
    }
    chkSearchFile->setChecked(settings_.read(keys::SearchFile) == 1);

    const auto loaded = [&] {
        BusyCursor busy;
        return LoadHistoryStep(session_, *historyStore_, today(), values_.TimeLimit, StatusTexts());
    }();
    if (loaded.status == LinesRead::Status::Failed)
        Dialogs::message(this, QStringLiteral("Tallywick"),
                         QStringLiteral("The download history could not be read to its end:\n%1\n\n"
                                        "It will not be replaced when Tallywick closes, so that nothing stored "
                                        "in it is lost; downloads counted until then are not added to it.")
                             .arg(historyStore_->saveRefusal()),
                         Dialogs::Icon::Warning);
}

void MainWindow::ShowAndActivate()
{
    show();
    raise();
    activateWindow();
    activation_->markActive();
    Form_Activate();
}

void MainWindow::Form_Activate()
{
    if (closing_)
        return;
    mnuWebPageTrafficReport->setText(values_.Traffic_menu);
    mnuWebPageWebsiteDetails->setText(values_.Details_menu);
    SetStatusText(QString());
    TrackedItems_ = LoadTrackedItems(dataFolder_.trackingPath());
    if (chkSearchFile->isChecked())
        SearchReport(ReportPath_);
}

void MainWindow::Form_Deactivate()
{
    if (closing_)
        return;
    MergeIfChanged(session_, today(), values_.TimeLimit, StatusTexts());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        Form_QueryUnload();
        emit closed();
    }
    event->accept();
}

void MainWindow::Form_QueryUnload()
{
    closing_ = true;
    const HistorySaveOutcome saved = [&] {
        BusyCursor busy;
        if (FileExists(ReportPath_))
            settings_.write(QLatin1String(keys::Path), ReportPath_);
        settings_.write(keys::SearchFile, chkSearchFile->isChecked() ? 1 : 0);
        for (int i = 0; i < kPanelCount; ++i) {
            TakePanelText(i);
            SaveSearchList(panels_[static_cast<std::size_t>(i)], settings_, i);
        }
        return RunClosingHistorySteps(session_, *historyStore_, today(), values_.TimeLimit, StatusTexts()).save;
    }();
    if (saved.status == HistorySaveOutcome::Status::Refused || saved.status == HistorySaveOutcome::Status::Failed)
        ReportClosingFailure(QStringLiteral("The download history was not saved:\n%1").arg(saved.error));
    values_.AppRunning = false;
    views_->closeAll();
    CloseOtherWindows(this);
}

void MainWindow::ReportClosingFailure(const QString& text)
{
    if (quietClosing_)
        qWarning("Tallywick: %s", qUtf8Printable(text));
    else
        Dialogs::message(this, QStringLiteral("Tallywick"), text, Dialogs::Icon::Warning);
}

QString MainWindow::statusText() const
{
    return statusPanel_->text();
}

void MainWindow::SetStatusText(const QString& text)
{
    statusPanel_->setText(text);
}

UpkeepStatus MainWindow::StatusTexts()
{
    return [this](std::string_view text) {
        SetStatusText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        // The upkeep holds the event loop; the text must show before it goes on.
        statusPanel_->repaint();
    };
}

} // namespace tallywick
