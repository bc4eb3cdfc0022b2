#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tallywick {

// The status bar's part for long work: what is done so far and a way to cancel it. Hidden while
// nothing runs.
class WorkProgress : public QWidget {
    Q_OBJECT

public:
    explicit WorkProgress(QWidget* parent = nullptr);

    // A search of a report of totalBytes bytes begins (0: its size is unknown).
    void beginSearch(std::int64_t totalBytes);
    void searched(std::int64_t bytesRead, std::int64_t lines);
    // Work whose share done cannot be told (the merge of the history).
    void beginBusy(const QString& what);
    void end();

signals:
    void cancelRequested();

private:
    QLabel* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QElapsedTimer clock_;
    std::int64_t totalBytes_ = 0;
};

// "1,234,567 lines, 812,000 lines/s"
QString SearchRateText(std::int64_t lines, std::int64_t milliseconds);

} // namespace tallywick
