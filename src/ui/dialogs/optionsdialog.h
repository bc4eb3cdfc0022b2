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

struct AppValues;
class SettingsStore;

// The Options window: the addresses and captions of the Web Page menu's two items, each the
// built-in default or the user's own. Closing it (Close, the close box, or the main window
// closing every window) stores the values in effect and puts them into `values`, where the
// main window picks the captions up at its next activation. There is no way out without that.
class OptionsDialog : public QWidget {
    Q_OBJECT

public:
    // `settings` and `values` must outlive the window.
    OptionsDialog(SettingsStore& settings, AppValues& values, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    bool Changed() const { return Changed_; }

    QGroupBox* fraTrafficURL;
    std::array<QRadioButton*, 2> optTrafficURL;
    QLabel* lblTrafficURL;
    QLineEdit* txtTrafficURL;
    std::array<QLabel*, 2> lblMenuCaption;
    QLineEdit* txtTrafficMenu;
    QGroupBox* fraDetails;
    std::array<QRadioButton*, 2> optDetailsURL;
    QLabel* lblDetailsURL;
    QLineEdit* txtDetailsURL;
    QLineEdit* txtDetailsMenu;
    QPushButton* cmdAdvanced;
    QPushButton* cmdClose;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    void optTrafficURL_Click(int Index);
    void optDetailsURL_Click(int Index);
    void SaveOnClosing();

    SettingsStore& settings_;
    AppValues& values_;
    bool Changed_ = false;
    bool saved_ = false;
    QString UserTrafficMenu;
    QString UserDetailsMenu;
};

// Shows the one Options window (not modal, in the task bar of its own), making it when none
// is open.
OptionsDialog* ShowOptionsDialog(SettingsStore& settings, AppValues& values);

} // namespace tallywick
