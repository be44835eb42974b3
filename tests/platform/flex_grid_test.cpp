// The grid control: every change of the current cell raises LeaveCell first,
// with the cell being left still current; a click follows its move; a message
// box in the handler finishes before the move, and a window closed meanwhile
// is not touched again; fixed cells never become current by a click; the
// overlay editor lands on the cell under it, also after scrolling; the
// editors' layout strings give their columns, widths and alignment.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "platform/flex_grid.h"
#include "platform/message_box.h"
#include "support/afresh.h"

namespace zv {
namespace {

constexpr int kTwips = 15;

// A window holding a grid of 20 rows with a fixed column, headers A to D,
// and a log of the grid's events with the current cell at each.
class Grid_Test : public test::Afresh_Test {
 public:
  void SetUp() override {
    window_ = new QWidget;
    window_->resize(500, 400);
    grid_ = new Flex_Grid(window_);
    grid_->setGeometry(10, 20, 400, 200);
    grid_->Set_FormatString(QStringLiteral("^ Code |^Alpha|^Beta|^Gamma"));
    grid_->Set_FixedCols(1);
    grid_->Set_Rows(20);
    grid_->On_LeaveCell = [this] { Log("Leave"); };
    grid_->On_Click = [this] { Log("Click"); };
    grid_->On_DblClick = [this] { Log("DblClick"); };
    grid_->On_Scroll = [this] { Log("Scroll"); };
    window_->show();
    log_.clear();
  }
  void TearDown() override {
    Set_Message_Service(nullptr);
    delete window_.data();
  }

  void Log(const char *event) {
    log_.push_back(std::string(event) + " " + std::to_string(grid_->Row()) + "," + std::to_string(grid_->Col()));
  }

  // Centre of a cell in the grid's viewport, as the view stands.
  QPoint Centre(int row, int col) const {
    int x = 0;
    for (int c = 0; c < col; ++c) x += grid_->ColWidth(c) / kTwips;
    const int h = grid_->RowHeight(0) / kTwips;
    const int top = row == 0 ? 0 : h + (row - 1 - grid_->verticalScrollBar()->value()) * h;
    return {x + grid_->ColWidth(col) / kTwips / 2, top + h / 2};
  }
  void Click(int row, int col) { QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, Centre(row, col)); }
  void Double_Click(int row, int col) {
    const QPoint at = Centre(row, col);
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid_->viewport(), Qt::LeftButton, {}, at);
  }
  void Expect_Cell(int row, int col) const {
    EXPECT_EQ(grid_->Row(), row);
    EXPECT_EQ(grid_->Col(), col);
  }

  QPointer<QWidget> window_;
  Flex_Grid *grid_ = nullptr;
  std::vector<std::string> log_;
};

using Strings = std::vector<std::string>;

struct Move_Case {
  const char *name;
  std::function<void(Grid_Test &, Flex_Grid &)> act;
  int row, col;  // the current cell afterwards
  Strings log;
};

TEST_F(Grid_Test, EveryChangeOfTheCurrentCellRaisesLeaveCellFirstWithTheOldCellCurrent) {
  const std::vector<Move_Case> cases = {
      {"click on another cell", [](Grid_Test &t, Flex_Grid &) { t.Click(3, 2); }, 3, 2, {"Leave 2,1", "Click 3,2"}},
      {"click on the current cell", [](Grid_Test &t, Flex_Grid &) { t.Click(2, 1); }, 2, 1, {"Click 2,1"}},
      {"arrow down", [](Grid_Test &, Flex_Grid &g) { QTest::keyClick(&g, Qt::Key_Down); }, 3, 1, {"Leave 2,1"}},
      {"arrow right", [](Grid_Test &, Flex_Grid &g) { QTest::keyClick(&g, Qt::Key_Right); }, 2, 2, {"Leave 2,1"}},
      {"arrow up", [](Grid_Test &, Flex_Grid &g) { QTest::keyClick(&g, Qt::Key_Up); }, 1, 1, {"Leave 2,1"}},
      {"arrow left into the fixed column", [](Grid_Test &, Flex_Grid &g) { QTest::keyClick(&g, Qt::Key_Left); }, 2,
       1, {}},
      {"end key", [](Grid_Test &, Flex_Grid &g) { QTest::keyClick(&g, Qt::Key_End); }, 2, 3, {"Leave 2,1"}},
      {"code sets the row", [](Grid_Test &, Flex_Grid &g) { EXPECT_TRUE(g.Set_Row(7)); }, 7, 1, {"Leave 2,1"}},
      {"code sets the column", [](Grid_Test &, Flex_Grid &g) { EXPECT_TRUE(g.Set_Col(3)); }, 2, 3, {"Leave 2,1"}},
      {"code sets the fixed column", [](Grid_Test &, Flex_Grid &g) { EXPECT_TRUE(g.Set_Col(0)); }, 2, 0,
       {"Leave 2,1"}},
      {"code sets the current row again", [](Grid_Test &, Flex_Grid &g) { EXPECT_TRUE(g.Set_Row(2)); }, 2, 1, {}},
      {"code sets a row outside the grid", [](Grid_Test &, Flex_Grid &g) { EXPECT_TRUE(g.Set_Row(20)); }, 2, 1, {}},
      {"fewer rows than the current one", [](Grid_Test &, Flex_Grid &g) { EXPECT_TRUE(g.Set_Rows(2)); }, 1, 1,
       {"Leave 2,1"}},
      {"fewer columns than the current one",
       [](Grid_Test &, Flex_Grid &g) {
         g.Set_Col(3);
         EXPECT_TRUE(g.Set_Cols(3));
       },
       2, 2, {"Leave 2,1", "Leave 2,3"}},
  };
  for (const Move_Case &c : cases) {
    SCOPED_TRACE(c.name);
    Start_Afresh();
    grid_->Set_Row(2);
    log_.clear();
    c.act(*this, *grid_);
    EXPECT_EQ(log_, c.log);
    Expect_Cell(c.row, c.col);
  }
}

TEST_F(Grid_Test, SettingTheFixedColumnMovesACurrentCellOutOfIt) {
  Flex_Grid grid;
  Strings log;
  grid.On_LeaveCell = [&] { log.push_back("Leave " + std::to_string(grid.Col())); };
  grid.Set_FormatString(QStringLiteral("^A|^B|^C"));
  EXPECT_EQ(grid.Col(), 0);
  grid.Set_FixedCols(1);
  EXPECT_EQ(log, Strings{"Leave 0"});
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 1);
}

// A LeaveCell handler that shows a message box: while the box is up the cell
// being left is still current; the move follows once it is closed.
TEST_F(Grid_Test, AMessageBoxInLeaveCellFinishesBeforeTheMove) {
  Message_Recorder boxes;
  Set_Message_Service(&boxes);
  boxes.on_show = [this](const Message_Record &) { Log("Box"); };
  grid_->On_LeaveCell = [this] {
    Log("Leave");
    Message_Box(QStringLiteral("Over the range of receive frequency ."), QStringLiteral("Operate prompt"));
    Log("Box closed");
  };
  const std::vector<std::pair<const char *, std::function<void()>>> moves = {
      {"click", [this] { Click(5, 3); }},
      {"key", [this] { QTest::keyClick(grid_, Qt::Key_Down); }},
      {"code", [this] { grid_->Set_Row(5); }},
  };
  for (const auto &[name, move] : moves) {
    SCOPED_TRACE(name);
    grid_->Set_Row(1);
    grid_->Set_Col(1);
    log_.clear();
    move();
    ASSERT_GE(log_.size(), 3u);
    EXPECT_EQ(log_[0], "Leave 1,1");
    EXPECT_EQ(log_[1], "Box 1,1");
    EXPECT_EQ(log_[2], "Box closed 1,1");
    EXPECT_NE(grid_->Row(), 1);
  }
}

// The handler's box lets the window be closed (or deleted) meanwhile: the move
// then does not happen, no Click follows, and nothing of the grid is touched
// (the sanitizers watch the deleted case).
TEST_F(Grid_Test, AWindowClosedWhileTheLeaveCellBoxIsUpIsNotTouched) {
  struct Gone_Case {
    const char *name;
    bool delete_at_once;  // else closed: hidden now, deleted later
    std::function<bool(Grid_Test &, Flex_Grid &)> move;  // false: the grid reported its window gone
  };
  const std::vector<Gone_Case> cases = {
      {"code, window deleted", true, [](Grid_Test &, Flex_Grid &g) { return g.Set_Row(6); }},
      {"code, window closed", false, [](Grid_Test &, Flex_Grid &g) { return g.Set_Col(2); }},
      {"rows, window closed", false, [](Grid_Test &, Flex_Grid &g) { return g.Set_Rows(2); }},
      {"click, window closed", false,
       [](Grid_Test &t, Flex_Grid &) {
         t.Click(6, 2);
         return false;
       }},
      {"key, window closed", false,
       [](Grid_Test &, Flex_Grid &g) {
         QTest::keyClick(&g, Qt::Key_Down);
         return false;
       }},
  };
  for (const Gone_Case &c : cases) {
    SCOPED_TRACE(c.name);
    Start_Afresh();
    window_->setAttribute(Qt::WA_DeleteOnClose);
    Flex_Grid *grid = grid_;
    grid->Set_Row(3);
    log_.clear();
    Message_Recorder boxes;
    Set_Message_Service(&boxes);
    boxes.on_show = [&](const Message_Record &) {
      if (c.delete_at_once) {
        delete window_.data();
      } else {
        window_->close();
      }
    };
    grid->On_LeaveCell = [this] {
      Log("Leave");
      Message_Box(QStringLiteral("Encode Digit is 5 Bits."), QStringLiteral("Operate Prompt\""));
    };
    EXPECT_FALSE(c.move(*this, *grid));
    EXPECT_EQ(log_, Strings{"Leave 3,1"});
    if (!c.delete_at_once) {
      ASSERT_TRUE(window_);
      Expect_Cell(3, 1);
      EXPECT_EQ(grid->Rows(), 20);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_FALSE(window_);
    Set_Message_Service(nullptr);  // the recorder ends with this case
  }
}

TEST_F(Grid_Test, AClickOnAFixedCellMovesNothingButStillClicks) {
  struct Fixed_Case {
    const char *name;
    int row, col;
  };
  const std::vector<Fixed_Case> cases = {
      {"header of a value column", 0, 2},
      {"top left header", 0, 0},
      {"number column", 5, 0},
  };
  for (const Fixed_Case &c : cases) {
    SCOPED_TRACE(c.name);
    grid_->Set_Row(4);
    grid_->Set_Col(3);
    log_.clear();
    Click(c.row, c.col);
    EXPECT_EQ(log_, Strings{"Click 4,3"});
    Expect_Cell(4, 3);
    EXPECT_EQ(grid_->MouseRow(), c.row);
    EXPECT_EQ(grid_->MouseCol(), c.col);
  }
}

TEST_F(Grid_Test, DoubleClickFollowsTheClickOfItsFirstPress) {
  grid_->Set_Row(4);
  grid_->Set_Col(3);
  log_.clear();
  Double_Click(7, 0);
  EXPECT_EQ(log_, (Strings{"Click 4,3", "DblClick 4,3"}));
  EXPECT_EQ(grid_->MouseRow(), 7);
  EXPECT_EQ(grid_->MouseCol(), 0);

  log_.clear();
  Double_Click(7, 2);
  EXPECT_EQ(log_, (Strings{"Leave 4,3", "Click 7,2", "DblClick 7,2"}));
}

TEST_F(Grid_Test, AClickBesideEveryCellDoesNothing) {
  grid_->Set_Rows(3);
  log_.clear();
  QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, Centre(5, 2));  // below the last row
  EXPECT_TRUE(log_.empty());
  Expect_Cell(1, 1);
}

// After a scroll the current cell's geometry follows the view: the editor laid
// over it covers the cell that a click at its centre finds.
TEST_F(Grid_Test, TheOverlayEditorCoversItsCellAfterScrolling) {
  grid_->Set_Rows(201);
  auto *editor = new QLineEdit(window_);
  auto *list = new QComboBox(window_);
  list->setGeometry(0, 0, 50, 27);
  const auto expect_editor_on_current_cell = [&](QWidget *w) {
    EXPECT_EQ(w->x(), grid_->x() + grid_->CellLeft() / kTwips);
    EXPECT_EQ(w->y(), grid_->y() + grid_->CellTop() / kTwips);
    EXPECT_EQ(w->width(), grid_->CellWidth() / kTwips);
    const QPoint centre = grid_->viewport()->mapFrom(window_, w->geometry().center());
    const int row = grid_->Row(), col = grid_->Col();
    log_.clear();
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(log_, Strings{"Click " + std::to_string(row) + "," + std::to_string(col)});
    EXPECT_EQ(grid_->MouseRow(), row);
    EXPECT_EQ(grid_->MouseCol(), col);
  };

  // Code moves far below the view without scrolling; placing scrolls first.
  grid_->Set_Row(150);
  grid_->Set_Col(2);
  log_.clear();
  ASSERT_TRUE(grid_->Place_Over_Cell(editor, true));
  EXPECT_EQ(log_, Strings{"Scroll 150,2"});
  EXPECT_EQ(editor->height(), grid_->CellHeight() / kTwips);
  expect_editor_on_current_cell(editor);

  // The wheel scrolls the view: the cell moves up with it.
  const int top_before = grid_->CellTop();
  log_.clear();
  grid_->verticalScrollBar()->setValue(grid_->verticalScrollBar()->value() + 2);
  EXPECT_EQ(log_, Strings{"Scroll 150,2"});
  EXPECT_EQ(grid_->CellTop(), top_before - 2 * grid_->RowHeight(150));
  grid_->grab();  // paints the scrolled view
  ASSERT_TRUE(grid_->Place_Over_Cell(list, false));
  EXPECT_EQ(list->height(), 27);
  expect_editor_on_current_cell(list);

  // A key move past the bottom of the view scrolls after the move.
  log_.clear();
  QTest::keyClick(grid_, Qt::Key_PageDown);
  ASSERT_EQ(log_.size(), 2u);
  EXPECT_EQ(log_[0], "Leave 150,2");
  EXPECT_EQ(log_[1].substr(0, 7), "Scroll ");
  log_.clear();
  ASSERT_TRUE(grid_->Place_Over_Cell(editor, true));
  EXPECT_TRUE(log_.empty());  // already in view
  expect_editor_on_current_cell(editor);
}

TEST_F(Grid_Test, TheOverlayEditorCoversAColumnScrolledInFromTheRight) {
  grid_->Set_FormatString(QStringLiteral(
      "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N |^PTT-ID|"
      "^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name"));
  grid_->Set_FixedCols(0);
  auto *editor = new QLineEdit(window_);
  grid_->Set_Col(15);
  log_.clear();
  ASSERT_TRUE(grid_->Place_Over_Cell(editor, true));
  EXPECT_EQ(log_, Strings{"Scroll 1,15"});
  grid_->grab();
  // Wholly inside the grid's view.
  const QRect view(grid_->mapTo(window_, grid_->viewport()->pos()), grid_->viewport()->size());
  EXPECT_TRUE(view.contains(editor->geometry())) << editor->geometry().x() << " " << view.right();
  log_.clear();
  QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                    grid_->viewport()->mapFrom(window_, editor->geometry().center()));
  EXPECT_EQ(log_, Strings{"Click 1,15"});
  EXPECT_EQ(grid_->MouseCol(), 15);
}

TEST_F(Grid_Test, TextsStayInTheirCellsWhenTheGridGrowsOrShrinks) {
  grid_->Set_TextMatrix(3, 2, QStringLiteral("145.10000"));
  grid_->Set_TextMatrix(19, 3, QStringLiteral("last"));
  grid_->Set_Cols(6);
  grid_->Set_Rows(25);
  EXPECT_EQ(grid_->TextMatrix(3, 2), QStringLiteral("145.10000"));
  EXPECT_EQ(grid_->TextMatrix(19, 3), QStringLiteral("last"));
  EXPECT_EQ(grid_->TextMatrix(0, 1), QStringLiteral("Alpha"));
  grid_->Set_Rows(10);
  grid_->Set_Rows(20);
  EXPECT_EQ(grid_->TextMatrix(19, 3), QString());

  grid_->Set_Row(3);
  grid_->Set_Col(2);
  EXPECT_EQ(grid_->Text(), QStringLiteral("145.10000"));
  grid_->Set_Text(QStringLiteral("146"));
  EXPECT_EQ(grid_->TextMatrix(3, 2), QStringLiteral("146"));

  // Outside the grid: read empty, written nowhere.
  grid_->Set_TextMatrix(20, 1, QStringLiteral("x"));
  grid_->Set_TextMatrix(1, -1, QStringLiteral("x"));
  EXPECT_EQ(grid_->TextMatrix(20, 1), QString());
  EXPECT_EQ(grid_->TextMatrix(-1, 0), QString());
}

// ---- layout strings ------------------------------------------------------------

struct Format_Case {
  const char *name;
  const char *format;
  int cols;
  std::vector<int> left_aligned;  // columns without a centring mark
};

TEST(Grid_Format, TheEditorsLayoutStringsGiveColumnsHeadersWidthsAndAlignment) {
  const std::vector<Format_Case> cases = {
      {"channel, English",
       "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N |^PTT-ID|"
       "^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name",
       16,
       {}},
      {"channel, Chinese",
       "^信道号|^ 工作频段 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率|^信道带宽|^PTT-ID|"
       "^繁忙锁定|^扫描添加|^信令码|^可选信令|^静音方式|^扰频|信 道 名 称",
       16,
       {15}},
      {"FM, English", "^FM  Channel|^ Receive Frequency (MHZ)|^ FM Station Name  ", 3, {}},
      {"FM, Chinese", "^FM 频 道 号|^  接  收  频  率 (MHZ)  |^     电    台    名    称    ", 3, {}},
      {"2-tone encode, English", "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)", 3, {}},
      {"2-tone encode, Chinese", "^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) ", 3, {}},
      {"2-tone decode, English",
       "^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   Response   |^Alert|^Dec_4|"
       "^   Response   |^Alert",
       13,
       {}},
      {"2-tone decode, Chinese",
       "^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 应 方 式  |^提示|^解码4|"
       "^   响 应 方 式  |^提示",
       13,
       {}},
      {"5-tone standards, English", "^Standard|^Period(ms)|^ Group Tone|^ Repeat Tone ", 4, {}},
      {"5-tone standards, Chinese", "^ 5 TONE 标准|^发送时长(ms)|^ 群 呼 码 |^重 复 码 ", 4, {}},
      {"5-tone encode, English", "^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Standard ", 5, {}},
      {"5-tone encode, Chinese", "^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^使用标准", 5, {}},
      {"5-tone decode, English",
       "^Code|^Standard|^Frame1|^          Function       |^Frame2|^     Function    |^Frame3|^    Function   |"
       "^Transpond",
       9,
       {}},
      {"5-tone decode, Chinese",
       "^信息码|^使用标准|^ 第1帧解码 |^ 功    能 |^ 第2帧解码 |^ 功    能 |^ 第3帧解码 |^ 功    能 |^ 回复码 ", 9, {}},
  };
  for (const Format_Case &c : cases) {
    SCOPED_TRACE(c.name);
    Flex_Grid grid;
    const QString format = QString::fromUtf8(c.format);
    ASSERT_TRUE(grid.Set_FormatString(format));
    EXPECT_EQ(grid.FormatString(), format);
    ASSERT_EQ(grid.Cols(), c.cols);
    const QStringList fields = format.split(QLatin1Char('|'));
    const QFontMetrics metrics = grid.fontMetrics();
    int margin = -1;
    for (int col = 0; col < c.cols; ++col) {
      SCOPED_TRACE(col);
      const bool left = std::find(c.left_aligned.begin(), c.left_aligned.end(), col) != c.left_aligned.end();
      // The header is the field without its mark, blanks kept.
      const QString header = left ? fields[col] : fields[col].mid(1);
      EXPECT_EQ(grid.TextMatrix(0, col), header);
      EXPECT_EQ(grid.ColAlignment(col), left ? Qt::AlignLeft : Qt::AlignHCenter);
      // Each column is its header's width plus one margin, the same for all.
      const int extra = grid.ColWidth(col) / kTwips - metrics.horizontalAdvance(header);
      EXPECT_GT(extra, 0);
      if (margin < 0) margin = extra;
      EXPECT_EQ(extra, margin);
    }
  }
}

TEST(Grid_Format, MarksAlignTheirColumnsAndBlanksWidenThem) {
  Flex_Grid grid;
  grid.Set_FormatString(QStringLiteral("<Left|>Right|^Centre|None|| W/N |W/N"));
  ASSERT_EQ(grid.Cols(), 7);
  const std::vector<std::pair<QString, Qt::Alignment>> expected = {
      {QStringLiteral("Left"), Qt::AlignLeft},  {QStringLiteral("Right"), Qt::AlignRight},
      {QStringLiteral("Centre"), Qt::AlignHCenter}, {QStringLiteral("None"), Qt::AlignLeft},
      {QString(), Qt::AlignLeft},               {QStringLiteral(" W/N "), Qt::AlignLeft},
      {QStringLiteral("W/N"), Qt::AlignLeft},
  };
  for (int col = 0; col < 7; ++col) {
    SCOPED_TRACE(col);
    EXPECT_EQ(grid.TextMatrix(0, col), expected[col].first);
    EXPECT_EQ(grid.ColAlignment(col), expected[col].second);
  }
  EXPECT_GT(grid.ColWidth(5), grid.ColWidth(6));
  EXPECT_GT(grid.ColWidth(4), 0);

  // With a fixed column a single field still leaves one column beyond it.
  grid.Set_FixedCols(1);
  ASSERT_TRUE(grid.Set_FormatString(QStringLiteral("^Only")));
  EXPECT_EQ(grid.Cols(), 2);
  EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("Only"));
  EXPECT_EQ(grid.Col(), 1);
}

}  // namespace
}  // namespace zv
