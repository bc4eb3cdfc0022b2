#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <optional>
#include <vector>

namespace tallywick {

// One icon in the desktop's notification area with its popup menu. It offers the members the
// rest of the program uses (tip, icon, menu items with keys, a default item) and reports mouse
// actions and menu choices as signals; what they mean is up to its owner.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    // The icon is shown only when the program counts as running when the tray is made.
    explicit TrayIcon(bool appRunning, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop has a notification area at all; tests may decide it.
    static bool isAvailable();
    static void setAvailableForTests(std::optional<bool> available);

    QString toolTip() const { return toolTip_; }
    // Tips are kept to 63 characters, as notification areas show them.
    void setToolTip(const QString& tip);
    QIcon icon() const { return tray_.icon(); }
    void setIcon(const QIcon& icon);
    bool isIconShown() const { return tray_.isVisible(); }

    // Appends a menu item (the first call takes the item that exists from the start) and returns
    // its index.
    int addMenuItem(const QString& caption, const QString& key = {}, bool isDefault = false);
    int defaultMenuIndex() const { return defaultIndex_; }
    // Pops the menu up at the mouse, with the default item shown as such.
    void showMenu();

    int menuItemCount() const { return static_cast<int>(items_.size()); }
    QString menuCaption(int index) const;
    QString menuKey(int index) const;
    QMenu& menu() { return menu_; }

signals:
    void pressed(int button); // 1 left, 2 right
    void doubleClicked(int button);
    void menuItemClicked(int index, const QString& key);

private:
    bool isValidIndex(int index) const { return index >= 0 && index < menuItemCount(); }
    QAction* newItem();
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void markDefault();

    QSystemTrayIcon tray_;
    QMenu menu_;
    std::vector<QAction*> items_;
    QString toolTip_;
    bool itemsAdded_ = false;
    int defaultIndex_ = 0;
};

} // namespace tallywick
