#pragma once

#include "core/search/downloadcounts.h"
#include "core/searchlist/searchlist.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tallywick {

class ResultBoxFiller;

// One search panel of the main window: "Find:", the search box with its remembered texts, "Go",
// ">>"/"<<" for the long or short result form, "Notepad", the count and the result box. It owns
// its controls and their state, and says what the user asked for; the window runs the search.
class SearchPanel : public QWidget {
    Q_OBJECT

public:
    // index 0 is the upper panel, 1 the lower; the object names of its controls end with it.
    SearchPanel(int index, const QString& designedText, QWidget* parent = nullptr);

    int index() const { return index_; }

    // The remembered texts, shown in the box: the list, then the text.
    void setState(SearchPanelState state);
    // The state, with the text the user left in the box.
    SearchPanelState state() const;
    // What the box holds now, as the search takes it.
    std::string searchText() const;
    // A search ended: a text remembered meanwhile joins the box's list.
    void refreshList();
    // After a search the user started with Go or Enter: the box's text is remembered.
    void rememberSearchText();
    // After a search the user started by picking a text from the list.
    void notePickedText();

    // The long (status on) or short result form.
    bool showsMore() const { return more_; }
    void setShowsMore(bool more);

    // The outcome of a search: the count, the counts beside it and the result text (filled in
    // slices).
    void showResult(std::int64_t found, const std::optional<PanelDownloads>& downloads, QString text);
    // While a search runs: the count says so, the box asks to wait.
    void showSearching();
    // The counts of a search that has ended, while its result text is still being made: the box
    // goes on asking to wait.
    void showCountsOfSearch(std::int64_t found, const std::optional<PanelDownloads>& downloads);
    // A search that showed nothing (cancelled, failed): the box shows the last result again.
    void showLastResult();
    // Whether the last search's count can be explained (it kept the fate of every line).
    void setExplainable(bool explainable);
    const QString& resultText() const { return shownResult_; }

    // The controls in reading order, as Tab goes through them.
    std::vector<QWidget*> tabOrder() const;
    QWidget* resultBox() const;

signals:
    // Go, or Enter in the search box.
    void searchRequested();
    // A remembered text was picked from the box's list.
    void textPicked();
    // ">>" or "<<": the result form changed.
    void moreToggled();
    // Notepad: the result text is to be written out and opened.
    void exportRequested();
    // "Why?" or a click on the count: the window that explains the count is to open.
    void explainRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showState();
    void takeText();
    void showCounts(const QString& count, const std::optional<PanelDownloads>& downloads);

    int index_;
    SearchPanelState state_;
    bool more_ = false;
    QString shownResult_;
    QString shownCount_;
    std::optional<PanelDownloads> shownDownloads_;

    QLabel* findLabel_ = nullptr;
    QComboBox* searchBox_ = nullptr;
    QPushButton* moreButton_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QPushButton* notepadButton_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QPushButton* whyButton_ = nullptr;
    QLabel* downloadsLabel_ = nullptr; // the counts beside "Found", under it
    QPlainTextEdit* resultBox_ = nullptr;
    ResultBoxFiller* filler_ = nullptr;
};

} // namespace tallywick
