#include "ui/views/sortabletable.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tallywick {

QTableWidget* MakeSortableTable(QWidget* parent, const char* objectName, const QStringList& headings)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setObjectName(QLatin1String(objectName));
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    // The first column names the row and takes the room the numbers leave.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Rows come in the engine's order until a heading is clicked.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    return table;
}

NumberCell::NumberCell(const QString& text, std::optional<double> sortValue) :
    QTableWidgetItem(text), sortValue_(sortValue)
{
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool NumberCell::operator<(const QTableWidgetItem& other) const
{
    const auto* number = dynamic_cast<const NumberCell*>(&other);
    if (!number)
        return QTableWidgetItem::operator<(other);
    if (!sortValue_ || !number->sortValue_)
        return !sortValue_ && number->sortValue_;
    return *sortValue_ < *number->sortValue_;
}

void BeginRows(QTableWidget* table, int rowCount)
{
    table->setSortingEnabled(false);
    table->clearContents();
    table->setRowCount(rowCount);
}

void EndRows(QTableWidget* table)
{
    table->setSortingEnabled(true);
}

} // namespace tallywick
