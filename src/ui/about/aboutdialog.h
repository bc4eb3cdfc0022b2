#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tallywick {

class LinkLabel;
class WindowRegistry;

// The About box: title, version, what the program is for, a warning, the maker's home page and
// a way to the system information. OK, Enter and Esc close it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

private:
    QLabel* iconLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    LinkLabel* homePageLink_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    std::array<QFrame*, 2> separatorLines_{};
    QLabel* disclaimerLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* systemInfoButton_ = nullptr;
};

// Shows the one About box (not modal, kept above `owner`), making it when none is open.
AboutDialog* ShowAboutDialog(WindowRegistry& windows, QWidget* owner);

} // namespace tallywick
