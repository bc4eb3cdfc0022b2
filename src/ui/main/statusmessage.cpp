#include "ui/main/statusmessage.h"

#include <QFontMetrics>

namespace tallywick {

QString ShortenedAtWord(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString cut = metrics.elidedText(text, Qt::ElideRight, width);
    // What is left of the text before the mark; the word it ends in may be cut.
    const auto kept = cut.size() - 1;
    const auto space = kept > 0 ? text.lastIndexOf(QLatin1Char(' '), kept) : -1;
    const QString words = space > 0 ? text.left(space).trimmed() : QString();
    if (words.isEmpty())
        return metrics.elidedText(text, Qt::ElideMiddle, width);
    return words + QChar(0x2026);
}

StatusMessage::StatusMessage(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // A long message must not widen the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusMessage::setMessage(const QString& text)
{
    message_ = text;
    fit();
}

void StatusMessage::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void StatusMessage::fit()
{
    const QString shown = ShortenedAtWord(message_, fontMetrics(), contentsRect().width());
    if (shown != text())
        setText(shown);
    setToolTip(shown == message_ ? QString() : message_);
}

} // namespace tallywick
