#include "ui/about/linklabel.h"

#include <QMouseEvent>

namespace tallywick {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    QFont linkFont = font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    linkFont.setPointSizeF(8.25);
    setFont(linkFont);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Highlight));
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tallywick
