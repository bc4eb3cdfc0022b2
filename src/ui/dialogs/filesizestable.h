#pragma once

#include "core/search/downloadcounts.h"

#include <QTableWidget>
#include <QWidget>

class QPushButton;

namespace tallywick {

// The sizes of the site's files the user gives, a path and its bytes a row, with a button to add
// a row and one to remove the chosen ones. A row whose bytes are not a whole number, or whose
// path is empty, gives no size.
class FileSizesTable : public QWidget {
    Q_OBJECT

public:
    explicit FileSizesTable(QWidget* parent = nullptr);

    void setSizes(const FileSizes& sizes);
    FileSizes sizes() const;

    QTableWidget* table() const { return table_; }
    QWidget* lastControl() const;

private:
    void addRow(const QString& path, const QString& bytes);

    QTableWidget* table_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

} // namespace tallywick
