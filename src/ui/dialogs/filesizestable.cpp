#include "ui/dialogs/filesizestable.h"

#include "ui/common/buttons.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace tallywick {

FileSizesTable::FileSizesTable(QWidget* parent) : QWidget(parent)
{
    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("fileSizesTable"));
    table_->setHorizontalHeaderLabels({tr("Path"), tr("Bytes")});
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    // Room for four rows; more scroll.
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             4 * table_->fontMetrics().height() * 3 / 2);
    table_->setToolTip(tr("For example /files/app.zip and 48213. A download is complete when the bytes its "
                          "requests delivered reach the size of its file."));
    addButton_ = NewButton(tr("&Add"), QStringLiteral("addSizeButton"), this);
    removeButton_ = NewButton(tr("&Remove"), QStringLiteral("removeSizeButton"), this);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    connect(addButton_, &QPushButton::clicked, this, [this] {
        addRow({}, {});
        table_->setCurrentCell(table_->rowCount() - 1, 0);
        table_->editItem(table_->item(table_->rowCount() - 1, 0));
    });
    connect(removeButton_, &QPushButton::clicked, this, [this] {
        std::set<int, std::greater<>> rows;
        for (const auto* item : table_->selectedItems())
            rows.insert(item->row());
        for (const int row : rows)
            table_->removeRow(row);
    });
}

void FileSizesTable::addRow(const QString& path, const QString& bytes)
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem(path));
    auto* size = new QTableWidgetItem(bytes);
    size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, 1, size);
}

void FileSizesTable::setSizes(const FileSizes& sizes)
{
    table_->setRowCount(0);
    for (const auto& [path, bytes] : sizes)
        addRow(QString::fromStdString(path), QString::number(bytes));
}

FileSizes FileSizesTable::sizes() const
{
    FileSizes sizes;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto* path = table_->item(row, 0);
        const auto* bytes = table_->item(row, 1);
        if (!path || !bytes)
            continue;
        const std::string entry = path->text().trimmed().toStdString() + '=' + bytes->text().trimmed().toStdString();
        if (const auto size = ParseFileSizeEntry(entry))
            sizes[size->first] = size->second;
    }
    return sizes;
}

QWidget* FileSizesTable::lastControl() const
{
    return removeButton_;
}

} // namespace tallywick
