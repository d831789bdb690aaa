#include "results/display_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>

#include "ui/form_scaler.h"

namespace teebrook {

void GridTableModel::setGrid(std::shared_ptr<GridModel> grid) {
  beginResetModel();
  grid_ = std::move(grid);
  shownRows_ = grid_ ? static_cast<int>(grid_->rows.size()) - 1 : 0;
  endResetModel();
}

void GridTableModel::cellWritten(int row, int column) {
  if (!grid_ || row < 1) return;
  const int rows = static_cast<int>(grid_->rows.size()) - 1;
  if (rows > shownRows_) {
    beginInsertRows({}, shownRows_, rows - 1);
    shownRows_ = rows;
    endInsertRows();
  }
  const QModelIndex at = index(row - 1, column);
  emit dataChanged(at, at);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}
int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : GridModel::kColumns;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!grid_ || role != Qt::DisplayRole || !index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row() + 1);
  if (row >= grid_->rows.size()) return {};
  return QString::fromStdString(grid_->rows[row][static_cast<std::size_t>(index.column())]);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!grid_ || role != Qt::DisplayRole || orientation != Qt::Horizontal || grid_->rows.empty()) return {};
  return QString::fromStdString(grid_->rows[0][static_cast<std::size_t>(section)]);
}

DisplayWindow::DisplayWindow(State& state, Resizer& resizer)
    : state_(state),
      view_(new QTableView(this)),
      frame_(new WindowFrame(this, state, resizer, 7200, 4905, 200)) {
  setObjectName(QStringLiteral("disp"));
  setWindowTitle(QStringLiteral("Display"));
  view_->setObjectName(QStringLiteral("Grid1"));
  view_->setModel(&model_);
  view_->verticalHeader()->hide();
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  placeTwips(view_, 120, 120, 6975, 4695);
  const double tx = twipsPerPixelX(this), ty = twipsPerPixelY(this);
  for (int c = 0; c < GridModel::kColumns; ++c) {
    view_->setColumnWidth(c, static_cast<int>(GridModel::kWidths[static_cast<std::size_t>(c)] / tx));
  }
  view_->horizontalHeader()->setFixedHeight(static_cast<int>(255 / ty));
  view_->verticalHeader()->setDefaultSectionSize(static_cast<int>(230 / ty));
  view_->verticalHeader()->setMinimumSectionSize(1);
  // What users of a results grid expect: take the rows elsewhere.
  connect(view_, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Copy as CSV"), this, &DisplayWindow::copyCsv);
    menu.addAction(QStringLiteral("&Save as CSV..."), this, [this] {
      const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as CSV"),
                                                        windowTitle() + QStringLiteral(".csv"),
                                                        QStringLiteral("CSV files (*.csv)"));
      if (!path.isEmpty() && !saveCsv(path)) {
        state_.platform.feedback.message("The file could not be written: " + path.toStdString(), "Attention",
                                         Icon::Warning);
      }
    });
    menu.exec(view_->viewport()->mapToGlobal(at));
  });
  frame_->finish();
  frame_->centre();
}

void DisplayWindow::showGrid(std::shared_ptr<GridModel> grid) {
  setWindowTitle(QString::fromStdString(grid->caption));
  model_.setGrid(std::move(grid));
  show();
  raise();
}

void DisplayWindow::copyCsv() {
  if (const GridModel* g = model_.grid())
    QApplication::clipboard()->setText(QString::fromStdString(g->csv()));
}

bool DisplayWindow::saveCsv(const QString& path) {
  const GridModel* g = model_.grid();
  if (!g) return false;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const std::string csv = g->csv();
  return f.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size());
}

}  // namespace teebrook
