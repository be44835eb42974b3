#include "platform/flex_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>

#include "platform/twips.h"

namespace zv {

namespace {

constexpr int kText_Margin = 4;     // px on each side of a cell's text
constexpr int kDefault_Width = 64;  // px, a column no layout string has sized

int To_Twips(int px) { return static_cast<int>(Px_To_Twips(px)); }

}  // namespace

Flex_Grid::Flex_Grid(QWidget *parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  row_height_ = fontMetrics().height() + kText_Margin;
  cells_.resize(static_cast<size_t>(rows_ * cols_));
  col_width_.assign(static_cast<size_t>(cols_), kDefault_Width);
  col_align_.assign(static_cast<size_t>(cols_), Qt::AlignLeft);
  verticalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setSingleStep(1);
  Update_Scroll_Ranges();
}

// ---- layout ----------------------------------------------------------------

bool Flex_Grid::Set_FormatString(const QString &format) {
  const QStringList fields = format.split(QLatin1Char('|'));
  if (!Set_Cols(static_cast<int>(fields.size()))) return false;
  format_ = format;
  const QFontMetrics metrics = fontMetrics();
  // A fixed column keeps a column beyond it even for a single field.
  const int count = std::min(cols_, static_cast<int>(fields.size()));
  for (int c = 0; c < count; ++c) {
    QString text = fields[c];
    Qt::Alignment align = Qt::AlignLeft;
    if (!text.isEmpty()) {
      const QChar mark = text.at(0);
      if (mark == QLatin1Char('^')) align = Qt::AlignHCenter;
      if (mark == QLatin1Char('>')) align = Qt::AlignRight;
      if (mark == QLatin1Char('^') || mark == QLatin1Char('<') || mark == QLatin1Char('>')) text.remove(0, 1);
    }
    cells_[static_cast<size_t>(c)] = text;
    col_width_[static_cast<size_t>(c)] = metrics.horizontalAdvance(text) + 2 * kText_Margin;
    col_align_[static_cast<size_t>(c)] = align;
  }
  Update_Scroll_Ranges();
  viewport()->update();
  return true;
}

bool Flex_Grid::Set_Rows(int rows) { return Resize(rows, cols_); }
bool Flex_Grid::Set_Cols(int cols) { return Resize(rows_, cols); }

bool Flex_Grid::Set_FixedCols(int cols) {
  cols = std::clamp(cols, 0, std::min(1, cols_ - 1));
  if (col_ < cols && !Move_To(row_, cols)) return false;
  fixed_cols_ = cols;
  Update_Scroll_Ranges();
  viewport()->update();
  return true;
}

bool Flex_Grid::Resize(int rows, int cols) {
  rows = std::max(rows, 2);
  cols = std::max(cols, fixed_cols_ + 1);
  if (rows == rows_ && cols == cols_) return true;
  if ((row_ >= rows || col_ >= cols) && !Move_To(std::min(row_, rows - 1), std::min(col_, cols - 1))) return false;
  if (cols == cols_) {
    cells_.resize(static_cast<size_t>(rows * cols));
  } else {
    std::vector<QString> cells(static_cast<size_t>(rows * cols));
    const int keep_rows = std::min(rows, rows_);
    const int keep_cols = std::min(cols, cols_);
    for (int r = 0; r < keep_rows; ++r)
      for (int c = 0; c < keep_cols; ++c)
        cells[static_cast<size_t>(r * cols + c)].swap(cells_[static_cast<size_t>(r * cols_ + c)]);
    cells_.swap(cells);
    col_width_.resize(static_cast<size_t>(cols), kDefault_Width);
    col_align_.resize(static_cast<size_t>(cols), Qt::AlignLeft);
  }
  rows_ = rows;
  cols_ = cols;
  // The handler of the move may have resized the grid itself.
  row_ = std::min(row_, rows_ - 1);
  col_ = std::min(col_, cols_ - 1);
  Update_Scroll_Ranges();
  viewport()->update();
  return true;
}

// ---- cells -----------------------------------------------------------------

QString Flex_Grid::TextMatrix(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return QString();
  return cells_[static_cast<size_t>(row * cols_ + col)];
}

void Flex_Grid::Set_TextMatrix(int row, int col, const QString &text) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  QString &cell = cells_[static_cast<size_t>(row * cols_ + col)];
  if (cell == text) return;
  cell = text;
  viewport()->update();
}

// ---- the current cell --------------------------------------------------------

bool Flex_Grid::Raise(const std::function<void()> &handler) {
  if (!handler) return true;
  const QPointer<Flex_Grid> self(this);
  const bool was_visible = isVisible();
  const std::function<void()> run = handler;  // the handler may replace itself
  run();
  // A window closed by the handler is hidden at once and deleted later.
  return self && !(was_visible && !self->isVisible());
}

bool Flex_Grid::Move_To(int row, int col) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return true;
  if (row == row_ && col == col_) return true;
  if (!Raise(On_LeaveCell)) return false;
  // The handler may have changed the grid's size.
  row_ = std::min(row, rows_ - 1);
  col_ = std::min(col, cols_ - 1);
  viewport()->update();
  return true;
}

// ---- geometry ----------------------------------------------------------------

int Flex_Grid::ColWidth(int col) const {
  if (col < 0 || col >= cols_) return 0;
  return To_Twips(col_width_[static_cast<size_t>(col)]);
}

int Flex_Grid::RowHeight(int row) const { return row < 0 || row >= rows_ ? 0 : To_Twips(row_height_); }

Qt::Alignment Flex_Grid::ColAlignment(int col) const {
  if (col < 0 || col >= cols_) return Qt::AlignLeft;
  return col_align_[static_cast<size_t>(col)];
}

int Flex_Grid::CellLeft() const { return To_Twips(viewport()->x() + Cell_Rect(row_, col_).left()); }
int Flex_Grid::CellTop() const { return To_Twips(viewport()->y() + Cell_Rect(row_, col_).top()); }
int Flex_Grid::CellWidth() const { return ColWidth(col_); }
int Flex_Grid::CellHeight() const { return RowHeight(row_); }

int Flex_Grid::Fixed_Width() const {
  int width = 0;
  for (int c = 0; c < fixed_cols_; ++c) width += col_width_[static_cast<size_t>(c)];
  return width;
}

int Flex_Grid::Visible_Data_Rows() const {
  return std::max(1, (viewport()->height() - Header_Height()) / row_height_);
}

int Flex_Grid::Top_Row() const { return 1 + verticalScrollBar()->value(); }
int Flex_Grid::Left_Col() const { return fixed_cols_ + horizontalScrollBar()->value(); }

int Flex_Grid::Col_X(int col) const {
  if (col < fixed_cols_) {
    int x = 0;
    for (int c = 0; c < col; ++c) x += col_width_[static_cast<size_t>(c)];
    return x;
  }
  int x = Fixed_Width();
  const int left = Left_Col();
  for (int c = left; c < col; ++c) x += col_width_[static_cast<size_t>(c)];
  for (int c = col; c < left; ++c) x -= col_width_[static_cast<size_t>(c)];
  return x;
}

int Flex_Grid::Row_Y(int row) const {
  if (row == 0) return 0;
  return Header_Height() + (row - Top_Row()) * row_height_;
}

QRect Flex_Grid::Cell_Rect(int row, int col) const {
  return QRect(Col_X(col), Row_Y(row), col_width_[static_cast<size_t>(col)], row_height_);
}

bool Flex_Grid::Hit(const QPoint &pos, Cell_Ref *cell) const {
  if (pos.x() < 0 || pos.y() < 0 || pos.x() >= viewport()->width() || pos.y() >= viewport()->height()) return false;
  int row = 0;
  if (pos.y() >= Header_Height()) {
    row = Top_Row() + (pos.y() - Header_Height()) / row_height_;
    if (row >= rows_) return false;
  }
  int col = 0;
  int x = 0;
  for (; col < fixed_cols_; ++col) {
    x += col_width_[static_cast<size_t>(col)];
    if (pos.x() < x) break;
  }
  if (col == fixed_cols_) {
    for (col = Left_Col(); col < cols_; ++col) {
      x += col_width_[static_cast<size_t>(col)];
      if (pos.x() < x) break;
    }
    if (col == cols_) return false;
  }
  *cell = {row, col};
  return true;
}

bool Flex_Grid::Place_Over_Cell(QWidget *editor, bool take_height) {
  if (!Scroll_Into_View(row_, col_)) return false;
  if (!editor) return true;
  const QRect cell = Cell_Rect(row_, col_).translated(viewport()->pos());
  QWidget *parent = editor->parentWidget();
  QPoint at;
  if (!parent) {
    at = mapToGlobal(cell.topLeft());
  } else if (parent == this || parent->isAncestorOf(this)) {
    at = mapTo(parent, cell.topLeft());
  } else {
    at = parent->mapFromGlobal(mapToGlobal(cell.topLeft()));
  }
  editor->setGeometry(at.x(), at.y(), cell.width(), take_height ? cell.height() : editor->height());
  editor->raise();
  return true;
}

// ---- scrolling ---------------------------------------------------------------

void Flex_Grid::Update_Scroll_Ranges() {
  const int shown_rows = Visible_Data_Rows();
  verticalScrollBar()->setPageStep(shown_rows);
  verticalScrollBar()->setRange(0, std::max(0, rows_ - 1 - shown_rows));
  // The first non-fixed column that still lets every column behind it fit.
  const int room = viewport()->width() - Fixed_Width();
  int first = cols_;
  int used = 0;
  while (first > fixed_cols_ && used + col_width_[static_cast<size_t>(first - 1)] <= room) {
    used += col_width_[static_cast<size_t>(first - 1)];
    --first;
  }
  if (first == cols_) first = cols_ - 1;
  horizontalScrollBar()->setPageStep(1);
  horizontalScrollBar()->setRange(0, std::max(0, first - fixed_cols_));
}

bool Flex_Grid::Scroll_Into_View(int row, int col) {
  const QPointer<Flex_Grid> self(this);
  const bool was_visible = isVisible();
  const auto stands = [&] { return self && !(was_visible && !self->isVisible()); };
  if (row >= 1) {
    const int shown = Visible_Data_Rows();
    if (row < Top_Row()) {
      verticalScrollBar()->setValue(row - 1);
    } else if (row >= Top_Row() + shown) {
      verticalScrollBar()->setValue(row - shown);
    }
    if (!stands()) return false;
  }
  if (col >= fixed_cols_) {
    int first = Left_Col();
    if (col < first) {
      first = col;
    } else {
      const int room = viewport()->width() - Fixed_Width();
      int used = 0;
      for (int c = first; c <= col; ++c) used += col_width_[static_cast<size_t>(c)];
      while (first < col && used > room) used -= col_width_[static_cast<size_t>(first++)];
    }
    horizontalScrollBar()->setValue(first - fixed_cols_);
    if (!stands()) return false;
  }
  return true;
}

void Flex_Grid::scrollContentsBy(int, int) {
  viewport()->update();
  Raise(On_Scroll);
}

void Flex_Grid::resizeEvent(QResizeEvent *event) {
  QAbstractScrollArea::resizeEvent(event);
  Update_Scroll_Ranges();
}

// ---- mouse and keys ------------------------------------------------------------

bool Flex_Grid::Press(QMouseEvent *event) {
  pressed_ = false;
  Cell_Ref cell{};
  if (event->button() != Qt::LeftButton || !Hit(event->position().toPoint(), &cell)) return false;
  mouse_row_ = cell.row;
  mouse_col_ = cell.col;
  return cell.row < 1 || cell.col < fixed_cols_ || Move_To(cell.row, cell.col);
}

void Flex_Grid::mousePressEvent(QMouseEvent *event) { pressed_ = Press(event); }

void Flex_Grid::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  Raise(On_Click);
}

// The second press of a double click: its Click came with the first.
void Flex_Grid::mouseDoubleClickEvent(QMouseEvent *event) {
  if (Press(event)) Raise(On_DblClick);
}

void Flex_Grid::keyPressEvent(QKeyEvent *event) {
  int row = row_;
  int col = col_;
  switch (event->key()) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_PageUp: row -= Visible_Data_Rows(); break;
    case Qt::Key_PageDown: row += Visible_Data_Rows(); break;
    case Qt::Key_Home: col = fixed_cols_; break;
    case Qt::Key_End: col = cols_ - 1; break;
    default: event->ignore(); return;
  }
  row = std::clamp(row, 1, rows_ - 1);
  col = std::clamp(col, fixed_cols_, cols_ - 1);
  if (!Move_To(row, col)) return;
  Scroll_Into_View(row_, col_);
}

// ---- painting ------------------------------------------------------------------

void Flex_Grid::paintEvent(QPaintEvent *) {
  QPainter painter(viewport());
  const QPalette &pal = palette();
  const int width = viewport()->width();
  const int height = viewport()->height();
  painter.fillRect(viewport()->rect(), pal.color(QPalette::Base));

  // Columns in view: the fixed ones, then the scrolled ones up to the edge.
  std::vector<int> cols;
  for (int c = 0; c < fixed_cols_; ++c) cols.push_back(c);
  for (int c = Left_Col(), x = Col_X(c); c < cols_ && x < width; x += col_width_[static_cast<size_t>(c)], ++c)
    cols.push_back(c);
  std::vector<int> rows{0};
  for (int r = Top_Row(), y = Header_Height(); r < rows_ && y < height; y += row_height_, ++r) rows.push_back(r);

  const QPen line(pal.color(QPalette::Mid));
  for (const int r : rows) {
    for (const int c : cols) {
      const QRect rect = Cell_Rect(r, c);
      const bool fixed = r == 0 || c < fixed_cols_;
      if (fixed) painter.fillRect(rect, pal.color(QPalette::Button));
      painter.setPen(line);
      painter.drawLine(rect.topRight(), rect.bottomRight());
      painter.drawLine(rect.bottomLeft(), rect.bottomRight());
      const QString &text = cells_[static_cast<size_t>(r * cols_ + c)];
      if (text.isEmpty()) continue;
      painter.setPen(pal.color(fixed ? QPalette::ButtonText : QPalette::Text));
      painter.drawText(rect.adjusted(kText_Margin, 0, -kText_Margin, 0),
                       static_cast<int>(col_align_[static_cast<size_t>(c)] | Qt::AlignVCenter) | Qt::TextSingleLine,
                       text);
    }
  }
  // The current cell, when in view.
  const bool row_shown = row_ == 0 || (row_ >= Top_Row() && row_ < Top_Row() + static_cast<int>(rows.size()) - 1);
  const bool col_shown = std::find(cols.begin(), cols.end(), col_) != cols.end();
  if (row_shown && col_shown) {
    QPen focus(pal.color(QPalette::Text));
    focus.setStyle(hasFocus() ? Qt::SolidLine : Qt::DotLine);
    painter.setPen(focus);
    painter.drawRect(Cell_Rect(row_, col_).adjusted(1, 1, -2, -2));
  }
}

}  // namespace zv
