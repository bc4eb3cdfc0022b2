#pragma once

#include "core/searchlist/trackinglists.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tallywick {

class SettingsStore;

// The Tracking Options window: the items that could be tracked (from the stored search strings)
// beside the items tracked now (from "tracking.dat"), with four buttons that move items between
// them. "OK" writes "tracking.dat" and hands the list to the running program; "Cancel", Esc and
// the close box change nothing.
class TrackingDialog : public QDialog {
    Q_OBJECT

public:
    // `settings` and `TrackedItems` must outlive the window.
    TrackingDialog(const SettingsStore& settings, QString trackingPath, std::vector<std::string>& TrackedItems,
                   QWidget* parent = nullptr);

    QLabel* lblAvailable;
    QListWidget* List1;
    QLabel* lblSelected;
    QListWidget* List2;
    QPushButton* cmdAddOne;
    QPushButton* cmdAddAll;
    QPushButton* cmdRemoveOne;
    QPushButton* cmdRemoveAll;
    QPushButton* cmdCancel;
    QPushButton* cmdOK;

private:
    void cmdOK_Click();
    // Moves items with `change`, then shows both lists again.
    template <class Change>
    void moveItems(Change change);
    void showLists();

    QString trackingPath_;
    std::vector<std::string>& TrackedItems_;
    TrackingLists lists_;
};

// Shows the one Tracking Options window (not modal, centred on the screen), making it when none
// is open.
TrackingDialog* ShowTrackingDialog(const SettingsStore& settings, const QString& trackingPath,
                                   std::vector<std::string>& TrackedItems, QWidget* owner);

} // namespace tallywick
