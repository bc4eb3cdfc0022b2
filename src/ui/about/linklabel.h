#pragma once

#include <QLabel>

namespace tallywick {

// A label that reads as a web link (bold, underlined, in the highlight colour, a pointing hand)
// and reports a left click.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tallywick
