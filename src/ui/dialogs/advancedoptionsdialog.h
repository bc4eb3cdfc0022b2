#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScreen;
class QTabWidget;

namespace tallywick {

class FileSizesTable;
class PageScroller;
class Preferences;
class WindowRegistry;

// The Advanced Options window: the split-download time frame on the first of four tabs, what
// what and how the counts count on the second. "OK" and "Apply" store the choices in the
// preferences (the shown report is searched again when a count changes); "Cancel", Esc and the
// close box store nothing.
class AdvancedOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // `preferences` must outlive the window.
    explicit AdvancedOptionsDialog(Preferences& preferences, QWidget* parent = nullptr);

    // Centres the window on the screen at a size that fits it: a page taller than the screen
    // allows scrolls.
    void placeOnScreen(const QScreen* screen);

private:
    void load();
    void selectNextTab();
    void save();

    Preferences& preferences_;

    QTabWidget* tabs_ = nullptr;
    QComboBox* timeFrameBox_ = nullptr;
    QCheckBox* leaveOutRobotsBox_ = nullptr;
    QCheckBox* leaveOutToolsBox_ = nullptr;
    QCheckBox* leaveOutFailedBox_ = nullptr;
    QCheckBox* networkBox_ = nullptr;
    FileSizesTable* fileSizes_ = nullptr;
    PageScroller* countingScroller_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};

// The tab that Ctrl+Tab selects: the next one, and the first after the last.
int NextTabIndex(int current, int count);

// Shows the one Advanced Options window (not modal), making it when none is open; `near` only
// picks the screen it is centred on.
AdvancedOptionsDialog* ShowAdvancedOptionsDialog(WindowRegistry& windows, Preferences& preferences,
                                                 QWidget* near = nullptr);

} // namespace tallywick
