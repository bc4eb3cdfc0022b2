#include "ui/explain/explanationmodel.h"

#include "ui/common/labeltexts.h"

#include <QDir>

namespace tallywick {
namespace {

enum Group { DownloadsGroup, LeftOutGroup, NotCountedGroup, GroupCount };

} // namespace

ExplanationModel::ExplanationModel(std::shared_ptr<const SearchExplanation> explanation, int panel, QObject* parent) :
    QAbstractItemModel(parent), explanation_(std::move(explanation)), panel_(panel),
    lines_(explanation_->explanation.panels[static_cast<std::size_t>(panel)]),
    selection_(SelectLines(*explanation_, panel, {})), texts_(2000)
{
}

void ExplanationModel::setSelection(ExplanationSelection selection)
{
    beginResetModel();
    selection_ = std::move(selection);
    endResetModel();
}

QModelIndex ExplanationModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column != 0 || row >= rowCount(parent))
        return {};
    const auto at = static_cast<quintptr>(row);
    if (!parent.isValid())
        return createIndex(row, 0, Id(Node::Group, at));
    const quintptr id = parent.internalId();
    switch (NodeOf(id)) {
    case Node::Group:
        if (NumberOf(id) == DownloadsGroup)
            return createIndex(row, 0, Id(Node::Download, at));
        return createIndex(row, 0, Id(Node::Reason, NumberOf(id) == LeftOutGroup ? at : kLeftOutReasons + at));
    case Node::Reason:
        return createIndex(row, 0, Id(Node::ReasonLine, NumberOf(id)));
    case Node::Download:
        return createIndex(row, 0, Id(Node::DownloadLine, NumberOf(id)));
    case Node::DownloadLine:
    case Node::ReasonLine:
        break;
    }
    return {};
}

QModelIndex ExplanationModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const quintptr id = child.internalId();
    const quintptr number = NumberOf(id);
    switch (NodeOf(id)) {
    case Node::Group:
        return {};
    case Node::Reason:
        return number < kLeftOutReasons ? createIndex(LeftOutGroup, 0, Id(Node::Group, LeftOutGroup))
                                        : createIndex(NotCountedGroup, 0, Id(Node::Group, NotCountedGroup));
    case Node::Download:
        return createIndex(DownloadsGroup, 0, Id(Node::Group, DownloadsGroup));
    case Node::DownloadLine:
        return createIndex(static_cast<int>(number), 0, Id(Node::Download, number));
    case Node::ReasonLine: {
        const auto row = number < kLeftOutReasons ? number : number - kLeftOutReasons;
        return createIndex(static_cast<int>(row), 0, Id(Node::Reason, number));
    }
    }
    return {};
}

int ExplanationModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return GroupCount;
    if (parent.column() != 0)
        return 0;
    const quintptr id = parent.internalId();
    const quintptr number = NumberOf(id);
    switch (NodeOf(id)) {
    case Node::Group:
        if (number == DownloadsGroup)
            return static_cast<int>(selection_.downloads.size());
        return static_cast<int>(number == LeftOutGroup ? kLeftOutReasons : kExplainedReasons.size() - kLeftOutReasons);
    case Node::Reason:
        return static_cast<int>(selection_.reasons[number].size());
    case Node::Download:
        return static_cast<int>(lines_.linesOf(selection_.downloads[number]).size());
    case Node::DownloadLine:
    case Node::ReasonLine:
        break;
    }
    return 0;
}

int ExplanationModel::columnCount(const QModelIndex&) const
{
    return 1;
}

std::uint32_t ExplanationModel::lineAt(const QModelIndex& index) const
{
    const quintptr number = NumberOf(index.internalId());
    const auto row = static_cast<std::size_t>(index.row());
    if (NodeOf(index.internalId()) == Node::DownloadLine)
        return lines_.linesOf(selection_.downloads[number])[row];
    return selection_.reasons[number][row];
}

std::int64_t ExplanationModel::reasonCount(std::size_t first, std::size_t end) const
{
    std::int64_t count = 0;
    for (std::size_t reason = first; reason < end; ++reason)
        count += static_cast<std::int64_t>(selection_.reasons[reason].size());
    return count;
}

QString ExplanationModel::groupText(int group) const
{
    switch (group) {
    case DownloadsGroup:
        return tr("Downloads (%1)").arg(selection_.downloads.size());
    case LeftOutGroup:
        return tr("Left out (%1)").arg(reasonCount(0, kLeftOutReasons));
    default:
        return tr("Not counted (%1)").arg(reasonCount(kLeftOutReasons, kExplainedReasons.size()));
    }
}

QString ExplanationModel::reasonText(std::size_t reason) const
{
    const auto count = selection_.reasons[reason].size();
    switch (kExplainedReasons[reason]) {
    case LineFate::Robot:
        return tr("Robots (%1)").arg(count);
    case LineFate::DownloadTool:
        return tr("Download tools (%1)").arg(count);
    case LineFate::Failed:
        return tr("Failed requests (%1)").arg(count);
    case LineFate::BeforeRequestColumn:
        return tr("Text only before the request, character 38 (%1)").arg(count);
    case LineFate::OverLength:
        return tr("Lines longer than 1 MiB, not searched (%1)").arg(count);
    case LineFate::Download:
    case LineFate::Repeat:
        break;
    }
    return {};
}

QString ExplanationModel::downloadText(std::uint32_t download) const
{
    const ExplainedDownload& about = lines_.downloads[download];
    const QString path =
        about.path == kNoIndex ? tr("(no path)") : FromBytes(explanation_->explanation.paths[about.path]);
    const auto lines = lines_.linesOf(download).size();
    QString bytes;
    if (!about.sizeKnown())
        bytes = tr("%1 bytes, size unknown").arg(about.delivered);
    else if (about.complete())
        bytes = tr("%1 of %2 bytes, complete").arg(about.delivered).arg(about.size);
    else
        bytes = tr("%1 of %2 bytes, incomplete").arg(about.delivered).arg(about.size);
    const QString count = lines == 1 ? tr("1 line") : tr("%1 lines").arg(lines);
    return tr("Download %1: %2, %3 (%4)").arg(download + 1).arg(path, bytes, count);
}

QString ExplanationModel::lineText(std::uint32_t line) const
{
    if (const QString* known = texts_.object(line))
        return *known;
    const ExplainedLine& about = lines_.lines[line];
    const auto place = PlaceOf(explanation_->starts, about);
    const QString file = QFileInfo(explanation_->reports.value(static_cast<qsizetype>(place.report)).text()).fileName();
    QString text = QStringLiteral("%1:%2  ").arg(file).arg(place.line);
    switch (about.fate) {
    case LineFate::Repeat: {
        const auto matched = PlaceOf(explanation_->starts, lines_.lines[about.matchedLine]);
        const QString when = about.detail == 0  ? tr("in the same minute")
                             : about.detail > 0 ? tr("%n minute(s) later", nullptr, static_cast<int>(about.detail))
                                                : tr("%n minute(s) earlier", nullptr, static_cast<int>(-about.detail));
        text += tr("(repeat of line %1, %2) ").arg(matched.line).arg(when);
        break;
    }
    case LineFate::Robot:
        if (const auto pattern = explanation_->robotPatterns.find(about.detail);
            pattern != explanation_->robotPatterns.end())
            text += tr("(pattern %1) ").arg(FromBytes(pattern->second));
        break;
    case LineFate::Failed:
        text += tr("(status %1) ").arg(about.detail);
        break;
    case LineFate::Download:
    case LineFate::DownloadTool:
    case LineFate::BeforeRequestColumn:
    case LineFate::OverLength:
        break;
    }
    if (const auto read = explanation_->lineText(panel_, line))
        text += FromBytes(*read);
    else
        text += tr("(the report has changed since the search)");
    texts_.insert(line, new QString(text));
    return text;
}

QVariant ExplanationModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const quintptr id = index.internalId();
    switch (NodeOf(id)) {
    case Node::Group:
        return groupText(index.row());
    case Node::Reason:
        return reasonText(NumberOf(id));
    case Node::Download:
        return downloadText(selection_.downloads[static_cast<std::size_t>(index.row())]);
    case Node::DownloadLine:
    case Node::ReasonLine:
        return lineText(lineAt(index));
    }
    return {};
}

QString ExplanationModel::shownText() const
{
    QString text;
    const auto add = [&](int depth, const QString& line) {
        text += QString(qsizetype{depth} * 2, QLatin1Char(' ')) + line + QLatin1Char('\n');
    };
    const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent, int depth) {
        const int rows = rowCount(parent);
        for (int row = 0; row < rows; ++row) {
            const QModelIndex child = index(row, 0, parent);
            add(depth, data(child).toString());
            walk(child, depth + 1);
        }
    };
    walk({}, 0);
    return text;
}

} // namespace tallywick
