// Stand-in for the grid control of the original platform: a table of texts
// with one fixed header row and none or one fixed column, a current cell, and
// the events the editors act on. It edits nothing itself; editors lay a text
// box or a list over the current cell (Place_Over_Cell) and commit it when the
// current cell changes (On_LeaveCell).
//
// Rows and columns count from 0; row 0 is the fixed header row, and column 0
// is fixed when Set_FixedCols(1) was called. Texts, widths and positions that
// the window layouts use are in twips (platform/twips.h).
//
// Events: std::function members, set by the owner, each may be left empty.
// - On_LeaveCell runs before every change of the current cell, by a click, a
//   key or code (Set_Row, Set_Col, Set_Rows, Set_Cols, Set_FixedCols), while
//   Row() and Col() still name the cell being left. Setting the cell that is
//   already current is no change and raises nothing. The handler may show a
//   modal message box; the move waits for it. When the grid was deleted or
//   its window closed (the grid, visible before, is no longer) meanwhile, the
//   move does not happen, nothing further is touched and the setter returns
//   false: the caller then returns at once.
// - On_Click runs when a mouse button press and release on a cell end, after
//   the move the press made (a press on a fixed cell moves nothing, but still
//   clicks). MouseRow()/MouseCol() name the cell pressed. A press outside
//   every cell neither moves nor clicks.
// - On_DblClick runs for a double click on a cell, after the Click of its
//   first press; MouseRow()/MouseCol() name the cell.
// - On_Scroll runs whenever the view scrolls (wheel, scroll bar, a key move
//   that brings the current cell into view, Place_Over_Cell).
//
// Keys (while the grid has the focus): the arrows, Page Up/Down and Home/End
// move the current cell within the non-fixed cells and bring it into view.
// Code setting Row or Col does not scroll.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <functional>
#include <vector>

namespace zv {

class Flex_Grid : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit Flex_Grid(QWidget *parent = nullptr);

  // Columns and header from a layout string: "|" separates the columns, one
  // column per field; a leading "^" centres the column, "<" aligns it left,
  // ">" right (no mark: left). The rest of the field, blanks included, is the
  // header text in row 0, and the column is as wide as that text. Cols
  // becomes the number of fields (a change of Cols may move the current
  // cell; false: the grid or its window is gone).
  bool Set_FormatString(const QString &format);
  const QString &FormatString() const { return format_; }

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // At least one row below the header and one column beyond the fixed ones.
  // A current cell that would fall outside moves to the last row or column
  // first (a change like any other). False: the grid or its window is gone.
  bool Set_Rows(int rows);
  bool Set_Cols(int cols);
  int FixedRows() const { return 1; }
  int FixedCols() const { return fixed_cols_; }
  // 0 or 1. A current column inside the fixed one moves to column 1.
  bool Set_FixedCols(int cols);

  // The current cell. Any row and column of the grid may be set from code,
  // fixed ones included; a value outside the grid is ignored. False: the
  // grid or its window is gone (see On_LeaveCell).
  int Row() const { return row_; }
  int Col() const { return col_; }
  bool Set_Row(int row) { return Move_To(row, col_); }
  bool Set_Col(int col) { return Move_To(row_, col); }

  // The cell of the last mouse press or double click.
  int MouseRow() const { return mouse_row_; }
  int MouseCol() const { return mouse_col_; }

  // Text of the current cell, and of any cell. Reading outside the grid
  // gives "", writing there does nothing.
  QString Text() const { return TextMatrix(row_, col_); }
  void Set_Text(const QString &text) { Set_TextMatrix(row_, col_, text); }
  QString TextMatrix(int row, int col) const;
  void Set_TextMatrix(int row, int col, const QString &text);

  // Twips. Column width, row height, and the current cell's position and
  // size relative to the grid's own top left corner, as the view stands.
  int ColWidth(int col) const;
  int RowHeight(int row) const;
  Qt::Alignment ColAlignment(int col) const;
  int CellLeft() const;
  int CellTop() const;
  int CellWidth() const;
  int CellHeight() const;

  // Lays an in-cell editor over the current cell: first scrolls the cell
  // into view if it is not (raising On_Scroll), then gives the editor the
  // cell's left, top and width, and the cell's height when take_height is
  // set (a list keeps its own height), in the coordinates of the editor's
  // parent (normally the grid's parent: editors are the grid's siblings),
  // and raises it above its siblings. It neither shows the editor nor gives
  // it the focus. Place first, then show: a Scroll handler may hide it.
  // False: the grid or its window is gone.
  bool Place_Over_Cell(QWidget *editor, bool take_height);

  std::function<void()> On_LeaveCell;
  std::function<void()> On_Click;
  std::function<void()> On_DblClick;
  std::function<void()> On_Scroll;

 protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  struct Cell_Ref {
    int row, col;
  };

  // The move every change of the current cell goes through.
  bool Move_To(int row, int col);
  // A press: the cell under the mouse, and the move to it unless it is
  // fixed. False when it hit no cell or the grid's window went.
  bool Press(QMouseEvent *event);
  // Raises one event; false when the grid or its window went meanwhile.
  bool Raise(const std::function<void()> &handler);
  bool Resize(int rows, int cols);
  void Update_Scroll_Ranges();
  bool Scroll_Into_View(int row, int col);

  // Pixels, relative to the viewport.
  int Header_Height() const { return row_height_; }
  int Fixed_Width() const;
  int Visible_Data_Rows() const;
  int Top_Row() const;   // first data row shown
  int Left_Col() const;  // first non-fixed column shown
  int Col_X(int col) const;
  int Row_Y(int row) const;
  QRect Cell_Rect(int row, int col) const;
  bool Hit(const QPoint &pos, Cell_Ref *cell) const;

  QString format_;
  int rows_ = 2;
  int cols_ = 2;
  int fixed_cols_ = 0;
  int row_ = 1;
  int col_ = 0;
  int mouse_row_ = 0;
  int mouse_col_ = 0;
  bool pressed_ = false;
  int row_height_ = 0;  // px
  std::vector<QString> cells_;
  std::vector<int> col_width_;  // px
  std::vector<Qt::Alignment> col_align_;
};

}  // namespace zv
