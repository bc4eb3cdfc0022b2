#include "ui/main/resultboxfiller.h"

#include "app/work/freedmemory.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

namespace tallywick {
namespace {

// A few hundred lines: one slice takes a millisecond or two.
constexpr qsizetype kSliceSize = qsizetype{16} * 1024;
// A tick stops taking slices after this long, so that events wait no longer.
constexpr qint64 kTickMilliseconds = 8;

} // namespace

ResultBoxFiller::ResultBoxFiller(QPlainTextEdit* box) : QObject(box), box_(box)
{
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ResultBoxFiller::fillMore);
}

void ResultBoxFiller::fill(QString text)
{
    stop();
    text_ = std::move(text);
    next_ = sliceEnd(0);
    box_->setPlainText(next_ == text_.size() ? text_ : text_.first(next_));
    if (next_ < text_.size())
        timer_.start();
    else
        finishFill();
}

void ResultBoxFiller::stop()
{
    timer_.stop();
    text_.clear();
    next_ = 0;
}

void ResultBoxFiller::fillMore()
{
    QElapsedTimer tick;
    tick.start();
    QTextCursor end(box_->document());
    end.movePosition(QTextCursor::End);
    while (next_ < text_.size() && tick.elapsed() < kTickMilliseconds) {
        const qsizetype to = sliceEnd(next_);
        end.insertText(text_.sliced(next_, to - next_));
        next_ = to;
    }
    if (next_ == text_.size())
        finishFill();
}

void ResultBoxFiller::finishFill()
{
    stop();
    // The text handed over and the document's copies while it grew: a large result's would hold
    // a tenth of the program's memory.
    ReturnFreedMemory();
    emit filled();
}

// A slice ends after a line break, so that CR LF is never cut in two.
qsizetype ResultBoxFiller::sliceEnd(qsizetype from) const
{
    const qsizetype limit = std::min(text_.size(), from + kSliceSize);
    if (limit == text_.size())
        return limit;
    const qsizetype lastBreak = text_.lastIndexOf(QLatin1Char('\n'), limit - 1);
    if (lastBreak >= from)
        return lastBreak + 1;
    const qsizetype nextBreak = text_.indexOf(QLatin1Char('\n'), limit);
    return nextBreak < 0 ? text_.size() : nextBreak + 1;
}

} // namespace tallywick
