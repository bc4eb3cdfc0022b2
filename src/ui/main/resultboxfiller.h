#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

namespace tallywick {

// Puts a long text into a box in slices between events: a million lines show their first page
// at once and the rest while the window keeps answering.
class ResultBoxFiller : public QObject {
    Q_OBJECT

public:
    explicit ResultBoxFiller(QPlainTextEdit* box);

    // Replaces the box's text; an earlier fill stops where it is.
    void fill(QString text);
    void stop();
    bool isFilling() const { return timer_.isActive(); }

signals:
    void filled();

private:
    void fillMore();
    void finishFill();
    qsizetype sliceEnd(qsizetype from) const;

    QPlainTextEdit* box_;
    QString text_;
    qsizetype next_ = 0;
    QTimer timer_;
};

} // namespace tallywick
