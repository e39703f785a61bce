#include "controls/HistoryListCtrl.h"

#include <algorithm>
#include <utility>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>

// The rows and columns of the list. While an update is open the rows change without the view
// being told; when it closes, the view is told once that every row went and the new ones came.
// Telling it of a reset instead would also forget the columns' widths and order.
class CHistoryListModel final : public QAbstractTableModel {
public:
    struct Column {
        QString title;
        Qt::Alignment alignment;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_shownRows;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return QString::fromStdString(m_rows.CellText(index.row(), index.column()));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_columns[index.column()].alignment);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
            return {};
        if (role == Qt::DisplayRole)
            return m_columns[section].title;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_columns[section].alignment);
        return {};
    }

    int InsertColumn(int column, Column added) {
        const int count = columnCount();
        column = column < 0 || column > count ? count : column;
        beginInsertColumns({}, column, column);
        m_columns.insert(m_columns.begin() + column, std::move(added));
        endInsertColumns();
        return column;
    }
    const Column& ColumnAt(int column) const { return m_columns[column]; }

    CHistoryRows& Rows() { return m_rows; }
    const CHistoryRows& Rows() const { return m_rows; }

    void BeginUpdate() { ++m_updates; }
    void EndUpdate() {
        if (m_updates > 0 && --m_updates == 0)
            ShowRows();
    }
    // Tells the view of the rows as they are now, unless an update is open.
    void ShowRows() {
        if (m_updates > 0)
            return;
        if (m_shownRows > 0) {
            beginRemoveRows({}, 0, m_shownRows - 1);
            m_shownRows = 0;
            endRemoveRows();
        }
        if (m_rows.Count() > 0) {
            beginInsertRows({}, 0, m_rows.Count() - 1);
            m_shownRows = m_rows.Count();
            endInsertRows();
        }
    }
    // A single row came or went: the view keeps its selection of the others.
    // Rows first..last came, each already in the rows.
    void InsertedRows(int first, int last) {
        if (m_updates > 0)
            return;
        beginInsertRows({}, first, last);
        m_shownRows = m_rows.Count();
        endInsertRows();
    }
    void RemoveRow(int row) {
        if (row < 0 || row >= m_rows.Count())
            return;
        if (m_updates > 0) {
            m_rows.Remove(row);
            return;
        }
        beginRemoveRows({}, row, row);
        m_rows.Remove(row);
        m_shownRows = m_rows.Count();
        endRemoveRows();
    }

private:
    std::vector<Column> m_columns;
    CHistoryRows m_rows;
    int m_shownRows = 0;
    int m_updates = 0;
};

namespace {

Qt::Alignment AlignmentOf(ListColumnFormat format) {
    switch (format) {
    case ListColumnFormat::kLeft:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ListColumnFormat::kRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ListColumnFormat::kCenter:
        break;
    }
    return Qt::AlignCenter;
}

// A header whose columns of width 0 can be dragged open: just right of a divider, the drag
// widens the first such column lying there instead of the column before it.
class RevealingHeader final : public QHeaderView {
public:
    explicit RevealingHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setMouseTracking(true);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const int hidden = event->button() == Qt::LeftButton ? HiddenColumnAt(Position(event)) : -1;
        if (hidden < 0) {
            QHeaderView::mousePressEvent(event);
            return;
        }
        m_revealing = hidden;
        m_revealFrom = Position(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (m_revealing >= 0) {
            resizeSection(m_revealing, std::max(0, Position(event) - m_revealFrom));
            return;
        }
        QHeaderView::mouseMoveEvent(event);
        if (event->buttons() == Qt::NoButton && HiddenColumnAt(Position(event)) >= 0)
            setCursor(Qt::SplitHCursor);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (m_revealing >= 0) {
            m_revealing = -1;
            return;
        }
        QHeaderView::mouseReleaseEvent(event);
    }

private:
    static constexpr int kGrip = 5;

    int Position(const QMouseEvent* event) const { return static_cast<int>(event->position().x()); }
    // The first column of width 0, in the order shown, whose divider lies just left of `x`.
    int HiddenColumnAt(int x) const {
        for (int visual = 0; visual < count(); ++visual) {
            const int column = logicalIndex(visual);
            if (isSectionHidden(column) || sectionSize(column) != 0)
                continue;
            const int divider = sectionViewportPosition(column);
            if (x > divider && x <= divider + kGrip)
                return column;
        }
        return -1;
    }

    // The column being dragged open grows from 0 by as much as the pointer moves from where it
    // was pressed.
    int m_revealing = -1;
    int m_revealFrom = 0;
};

} // namespace

CHistoryListCtrl::CHistoryListCtrl(QWidget* parent)
    : QTableView(parent), m_model(new CHistoryListModel(this)) {
    setHorizontalHeader(new RevealingHeader(this));
    setModel(m_model);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* columns = horizontalHeader();
    columns->setSectionsMovable(true);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setMinimumSectionSize(0);
    columns->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    // The selection stays as visible when the list loses the focus.
    QPalette shown = palette();
    shown.setBrush(QPalette::Inactive, QPalette::Highlight,
                   shown.brush(QPalette::Active, QPalette::Highlight));
    shown.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                   shown.brush(QPalette::Active, QPalette::HighlightedText));
    setPalette(shown);
}

CHistoryListCtrl::~CHistoryListCtrl() = default;

int CHistoryListCtrl::InsertColumn(int column, const std::string& title, int width,
                                   ListColumnFormat format) {
    column = m_model->InsertColumn(column, {QString::fromStdString(title), AlignmentOf(format)});
    SetColumnWidth(column, width);
    return column;
}

int CHistoryListCtrl::ColumnCount() const {
    return m_model->columnCount();
}

void CHistoryListCtrl::DeleteAllRows() {
    m_model->Rows().Clear();
    m_model->ShowRows();
}

int CHistoryListCtrl::InsertRows(int row, CHistoryRows&& rows) {
    const int count = rows.Count();
    row = m_model->Rows().Insert(row, std::move(rows));
    if (count > 0)
        m_model->InsertedRows(row, row + count - 1);
    return row;
}

int CHistoryListCtrl::RowCount() const {
    return m_model->Rows().Count();
}

std::string CHistoryListCtrl::CellText(int row, int column) const {
    return column < ColumnCount() ? m_model->Rows().CellText(row, column) : std::string();
}

void CHistoryListCtrl::BeginUpdate() {
    m_model->BeginUpdate();
}

void CHistoryListCtrl::EndUpdate() {
    m_model->EndUpdate();
}

std::string CHistoryListCtrl::ColumnTitle(int column) const {
    if (column < 0 || column >= ColumnCount())
        return {};
    return m_model->ColumnAt(column).title.toStdString();
}

int CHistoryListCtrl::ColumnWidth(int column) const {
    return horizontalHeader()->sectionSize(column);
}

void CHistoryListCtrl::SetColumnWidth(int column, int width) {
    horizontalHeader()->resizeSection(column, std::max(width, 0));
}

std::vector<int> CHistoryListCtrl::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CHistoryListCtrl::DeleteRow(int row) {
    m_model->RemoveRow(row);
}

void CHistoryListCtrl::ScrollToBottom() {
    scrollToBottom();
}
