#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tallywick {

class LinkLabel;

// The About box: title, version, what the program is for, a warning, the maker's home page and
// a way to the system information. OK, Enter and Esc close it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* picIcon;
    QLabel* lblTitle;
    LinkLabel* lblURL;
    QLabel* lblVersion;
    QLabel* lblDescription;
    std::array<QFrame*, 2> Line1;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

// Shows the one About box (not modal, kept above `owner`), making it when none is open.
AboutDialog* ShowAboutDialog(QWidget* owner);

} // namespace tallywick
