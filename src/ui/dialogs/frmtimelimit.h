#pragma once

#include <QDialog>

#include <cstddef>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tallywick {

struct AppValues;
class SettingsStore;

// The History Time Limit window: how many months of downloads the history keeps. "OK" puts the
// choice into `values` (the running program uses it from then on) and into the settings;
// "Cancel" and the close box change nothing.
class frmTimeLimit : public QDialog {
    Q_OBJECT

public:
    // `settings` and `values` must outlive the window.
    frmTimeLimit(SettingsStore& settings, AppValues& values, QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QLabel* lblRemoval;

    // How many records of the history a time limit of that many months would remove; the
    // window then says so for the chosen value before OK.
    void setRemovalCount(std::function<std::size_t(int months)> count);

private:
    void showRemoval();

    void OKButton_Click();

    SettingsStore& settings_;
    AppValues& values_;
    std::function<std::size_t(int)> removalCount_;
};

// Shows the one History Time Limit window (not modal, kept above `owner`), making it when none
// is open.
frmTimeLimit* ShowTimeLimit(SettingsStore& settings, AppValues& values, QWidget* owner);

} // namespace tallywick
