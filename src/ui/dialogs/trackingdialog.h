#pragma once

#include "core/searchlist/trackinglists.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tallywick {

class SettingsStore;
class WindowRegistry;

// The Tracking Options window: the items that could be tracked (from the stored search strings)
// beside the items tracked now (from "tracking.dat"), with four buttons that move items between
// them. "OK" writes "tracking.dat" and hands the list to the running program; "Cancel", Esc and
// the close box change nothing.
class TrackingDialog : public QDialog {
    Q_OBJECT

public:
    // Told the list once "tracking.dat" holds it.
    using Chosen = std::function<void(const std::vector<std::string>& trackedItems)>;
    // `settings` must outlive the window.
    TrackingDialog(const SettingsStore& settings, QString trackingPath, Chosen chosen, QWidget* parent = nullptr);

private:
    void acceptChoice();
    // Moves items with `change`, then shows both lists again.
    template <class Change>
    void moveItems(Change change);
    void showLists();

    QString trackingPath_;
    Chosen chosen_;
    TrackingLists lists_;

    QLabel* availableLabel_ = nullptr;
    QListWidget* availableList_ = nullptr;
    QLabel* trackedLabel_ = nullptr;
    QListWidget* trackedList_ = nullptr;
    QPushButton* addOneButton_ = nullptr;
    QPushButton* addAllButton_ = nullptr;
    QPushButton* removeOneButton_ = nullptr;
    QPushButton* removeAllButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// Shows the one Tracking Options window (not modal, centred on the screen), making it when none
// is open.
TrackingDialog* ShowTrackingDialog(WindowRegistry& windows, const SettingsStore& settings, const QString& trackingPath,
                                   TrackingDialog::Chosen chosen, QWidget* owner);

} // namespace tallywick
