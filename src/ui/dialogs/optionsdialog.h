#pragma once

#include "ui/dialogs/webpageoptions.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tallywick {

class Preferences;
class SettingsStore;
class WindowRegistry;

// The Options window: the addresses and captions of the Web Page menu's two items, each the
// built-in default or the user's own. Closing it (Close, the close box, or the main window
// closing every window) stores the values in effect and puts them into `values`, where the
// main window picks the captions up at its next activation. There is no way out without that.
class OptionsDialog : public QWidget {
    Q_OBJECT

public:
    // `windows`, `settings` and `values` must outlive the window.
    OptionsDialog(WindowRegistry& windows, SettingsStore& settings, Preferences& preferences,
                  QWidget* parent = nullptr);
    ~OptionsDialog() override;

    bool changed() const { return changed_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void trafficChoiceMade(int index);
    void detailsChoiceMade(int index);
    void saveOnClosing();

    WindowRegistry& windows_;
    SettingsStore& settings_;
    Preferences& preferences_;
    bool changed_ = false;
    bool saved_ = false;
    QString userTrafficMenu_;
    QString userDetailsMenu_;

    QGroupBox* trafficFrame_ = nullptr;
    std::array<QRadioButton*, 2> trafficChoices_{};
    QLabel* trafficDefaultUrl_ = nullptr;
    QLineEdit* trafficUrlBox_ = nullptr;
    std::array<QLabel*, 2> captionLabels_{};
    QLineEdit* trafficCaptionBox_ = nullptr;
    QGroupBox* detailsFrame_ = nullptr;
    std::array<QRadioButton*, 2> detailsChoices_{};
    QLabel* detailsDefaultUrl_ = nullptr;
    QLineEdit* detailsUrlBox_ = nullptr;
    QLineEdit* detailsCaptionBox_ = nullptr;
    QPushButton* advancedButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

// Shows the one Options window (not modal, in the task bar of its own), making it when none
// is open.
OptionsDialog* ShowOptionsDialog(WindowRegistry& windows, SettingsStore& settings, Preferences& preferences);

} // namespace tallywick
