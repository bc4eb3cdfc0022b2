#pragma once

#include <QString>
#include <QStringList>
#include <QTableWidgetItem>

#include <optional>

class QTableWidget;
class QWidget;

namespace tallywick {

// A read-only table whose columns sort by a click on their heading: numbers by their value,
// an empty number ("new", no percent) below every other.
QTableWidget* MakeSortableTable(QWidget* parent, const char* objectName, const QStringList& headings);

// A cell that shows text and sorts by a number.
class NumberCell : public QTableWidgetItem {
public:
    NumberCell(const QString& text, std::optional<double> sortValue);
    bool operator<(const QTableWidgetItem& other) const override;

private:
    std::optional<double> sortValue_;
};

// Fills the table row by row from cells made by the caller, with sorting held off meanwhile.
void BeginRows(QTableWidget* table, int rowCount);
void EndRows(QTableWidget* table);

} // namespace tallywick
