#pragma once

#include <QLabel>

class QFontMetrics;

namespace tallywick {

// The status bar's message. Where the room left beside the progress is too narrow for it, it is
// shortened at a word and marked so, with its whole text as its tip.
class StatusMessage : public QLabel {
    Q_OBJECT

public:
    explicit StatusMessage(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    // The whole text, however it is shown.
    const QString& message() const { return message_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QString message_;
};

// The text as it fits `width`: whole, or cut after its last word that leaves room for "…"; a text
// of one word (a path) keeps its start and its end.
QString ShortenedAtWord(const QString& text, const QFontMetrics& metrics, int width);

} // namespace tallywick
