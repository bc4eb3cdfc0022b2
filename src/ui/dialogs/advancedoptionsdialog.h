#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;

namespace tallywick {

struct AppValues;
class SettingsStore;

// The Advanced Options window: the split-download time frame on the first of four tabs.
// "OK" and "Apply" store the chosen frame in `values` (the next search uses it) and in the
// settings; "Cancel", Esc and the close box store nothing.
class AdvancedOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // `settings` and `values` must outlive the window.
    AdvancedOptionsDialog(SettingsStore& settings, AppValues& values, QWidget* parent = nullptr);

    // Panels sit at this left edge when their tab is chosen, and out of view otherwise.
    static constexpr int kPanelLeft = 14;
    static constexpr int kPanelOutOfView = -1333;

    QTabBar* tbsOptions;
    std::array<QWidget*, 4> picOptions;
    QGroupBox* fraSample1;
    QLabel* lblTimeFrame;
    QComboBox* cboTimeFrame;
    QLabel* lblInstruct;
    QGroupBox* fraSample2;
    QGroupBox* fraSample3;
    QGroupBox* fraSample4;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;

private:
    void Load();
    void tbsOptions_Click();
    void SelectNextTab();
    void SaveSplitTime();

    SettingsStore& settings_;
    AppValues& values_;
};

// The tab that Ctrl+Tab selects: the next one, and the first after the last.
int NextTabIndex(int current, int count);

// Shows the one Advanced Options window (not modal), making it when none is open; `near` only
// picks the screen it is centred on.
AdvancedOptionsDialog* ShowAdvancedOptionsDialog(SettingsStore& settings, AppValues& values, QWidget* near = nullptr);

} // namespace tallywick
