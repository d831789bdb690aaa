#pragma once
// The display window `disp`: a report's grid on screen, filling as the report writes.
#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>
#include <functional>
#include <memory>

#include "data/state.h"
#include "results/report_output.h"
#include "ui/resizer.h"
#include "ui/window_frame.h"

namespace teebrook {

class GridTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  void setGrid(std::shared_ptr<GridModel> grid);
  const GridModel* grid() const { return grid_.get(); }
  // A report wrote a cell: the view shows it, and the rows grow when it wrote past them.
  void cellWritten(int row, int column);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::shared_ptr<GridModel> grid_;
  int shownRows_ = 0;
};

class DisplayWindow : public QWidget {
  Q_OBJECT
 public:
  DisplayWindow(State& state, Resizer& resizer);
  void showGrid(std::shared_ptr<GridModel> grid);
  GridTableModel& model() { return model_; }
  QTableView* grid() const { return view_; }
  WindowFrame* frame() const { return frame_; }
  // Copies the grid as CSV to the clipboard; saves it as a CSV file.
  void copyCsv();
  bool saveCsv(const QString& path);

 private:
  State& state_;
  GridTableModel model_;
  QTableView* view_;
  WindowFrame* frame_;
};

}  // namespace teebrook
