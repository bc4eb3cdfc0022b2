#include "ui/common/buttons.h"

#include <QPushButton>

namespace tallywick {

QPushButton* NewButton(const QString& caption, const QString& objectName, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

QPushButton* NewNarrowButton(const QString& caption, const QString& objectName, QWidget* parent)
{
    auto* button = NewButton(caption, objectName, parent);
    const QFontMetrics metrics = button->fontMetrics();
    button->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("<<")) + 2 * metrics.averageCharWidth() + 8);
    return button;
}

} // namespace tallywick
