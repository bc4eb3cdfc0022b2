#pragma once

#include <QDialog>

#include <cstddef>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tallywick {

class Preferences;
class WindowRegistry;

// The History Time Limit window: how many months of downloads the history keeps. "OK" puts the
// choice into `values` (the running program uses it from then on) and into the settings;
// "Cancel" and the close box change nothing.
class TimeLimitDialog : public QDialog {
    Q_OBJECT

public:
    // `settings` and `values` must outlive the window.
    explicit TimeLimitDialog(Preferences& preferences, QWidget* parent = nullptr);

    // How many records of the history a time limit of that many months would remove; the
    // window then says so for the chosen value before OK.
    void setRemovalCount(std::function<std::size_t(int months)> count);

private:
    void acceptChoice();
    void showRemoval();

    Preferences& preferences_;
    std::function<std::size_t(int)> removalCount_;

    QLabel* limitLabel_ = nullptr;
    QComboBox* limitBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* removalLabel_ = nullptr;
};

// Shows the one History Time Limit window (not modal, kept above `owner`), making it when none
// is open.
TimeLimitDialog* ShowTimeLimitDialog(WindowRegistry& windows, Preferences& preferences, QWidget* owner);

} // namespace tallywick
