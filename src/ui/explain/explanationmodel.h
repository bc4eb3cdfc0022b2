#pragma once

#include "ui/explain/explanationselection.h"

#include <QAbstractItemModel>
#include <QCache>

#include <memory>

namespace tallywick {

// One panel's explanation as a tree: "Downloads" with each download and its lines, "Left out"
// and "Not counted" with a row per reason and its lines. Rows are made when the view asks for
// them, and a line's text is read when it is shown, so that a report of 700,000 downloads opens
// at once.
class ExplanationModel : public QAbstractItemModel {
    Q_OBJECT

public:
    ExplanationModel(std::shared_ptr<const SearchExplanation> explanation, int panel, QObject* parent = nullptr);

    // Shows only what the selection holds (made by SelectLines over the same explanation).
    void setSelection(ExplanationSelection selection);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Everything shown, all rows expanded, one a line, indented by level: for Notepad and Save As.
    QString shownText() const;

private:
    enum class Node : quintptr { Group = 1, Reason, Download, DownloadLine, ReasonLine };
    static quintptr Id(Node node, quintptr number) { return (static_cast<quintptr>(node) << 56) | number; }
    static Node NodeOf(quintptr id) { return static_cast<Node>(id >> 56); }
    static quintptr NumberOf(quintptr id) { return id & ((quintptr{1} << 56) - 1); }

    QString groupText(int group) const;
    QString reasonText(std::size_t reason) const;
    QString downloadText(std::uint32_t download) const;
    QString lineText(std::uint32_t line) const;
    std::uint32_t lineAt(const QModelIndex& index) const;
    std::int64_t reasonCount(std::size_t first, std::size_t end) const;

    std::shared_ptr<const SearchExplanation> explanation_;
    int panel_;
    const PanelExplanation& lines_;
    ExplanationSelection selection_;
    mutable QCache<std::uint32_t, QString> texts_;
};

} // namespace tallywick
