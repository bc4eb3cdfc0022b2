#pragma once

#include "ui/views/historyviewcontext.h"

#include <QWidget>

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace tallywick {

// What the six history views share: a top-level window of its own that is deleted when closed,
// the read-only inputs, the loading flag and the count of computations.
class HistoryViewWindow : public QWidget {
    Q_OBJECT

public:
    // How many times the view has computed what it shows since it was made.
    int computations() const { return computations_; }

protected:
    HistoryViewWindow(const HistoryViewContext& context, const char* objectName, const QString& caption);

    const std::vector<std::string>& history() const { return context_.history; }
    const std::vector<std::string>& trackedItems() const { return context_.trackedItems; }
    // What the item box counts by: its entries' items, which stay valid when the tracked list changes.
    const std::vector<std::string>& itemBoxItems() const { return itemBoxItems_; }
    std::chrono::sys_days today() const { return context_.today(); }
    const HistoryViewContext& context() const { return context_; }

    bool event(QEvent* event) override;
    void countComputation() { ++computations_; }
    // Raises the window above the others once it is on screen.
    void bringToFront();
    // Opens at its designed size, or larger where its controls need more room.
    void openAt(QSize designed);

    // Appends the tracked items (after `first` when one is given) and selects entry 0 without
    // recomputing.
    void fillItemBox(QComboBox* box, const QString& first = QString());
    // An item box of 20 to 48 characters, however long the tracked items are: they must not
    // widen the window.
    static void limitItemBoxWidth(QComboBox* box);
    // The selected entry as an index into the tracked items; past their end when nothing is
    // selected.
    static std::size_t selectedEntry(const QComboBox* box);

    QLabel* makeLabel(const char* objectName, const QString& caption);
    QPushButton* makeButton(const char* objectName, const QString& caption);

    // Set while the view selects entries in its own controls, so that those selections do not
    // recompute.
    bool loading_ = false;

private:
    void refreshItemBox();

    HistoryViewContext context_;
    int computations_ = 0;
    QComboBox* trackedItemBox_ = nullptr;
    std::vector<std::string> itemBoxItems_;
};

} // namespace tallywick
