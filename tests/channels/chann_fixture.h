// The channel editor after start-up, driven through its real widgets: clicks
// on grid cells, keys typed into the open editor, and a small script of
// such steps for the case tables.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QLabel>
#include <QProgressBar>
#include <array>
#include <random>
#include <string>

#include "editors/channels/chann_window.h"
#include "image/shared_state.h"
#include "platform/flex_grid.h"
#include "platform/list_combo.h"
#include "shell/window_registry.h"
#include "comm/exchange_engine.h"
#include "image/protocol.h"
#include "shell/shell_fixture.h"
#include "support/exchange_checks.h"
#include "tests/sim/radio_sim.h"
#include "tests/support/channel_edit_cases.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/radio_on_com1.h"

namespace zv::test {

// Brings a cell of a grid into view if it is not, then clicks its centre.
inline void Click_Cell(Flex_Grid &g, int row, int col) {
  const int h = g.RowHeight(0) / kTwipsPerPixel;
  const int shown = (g.viewport()->height() - h) / h;
  QScrollBar *v = g.verticalScrollBar();
  if (row < 1 + v->value() || row >= 1 + v->value() + shown) v->setValue(row - 1);
  QScrollBar *hs = g.horizontalScrollBar();
  auto x_of = [&](int c) {
    int x = 0;
    for (int k = hs->value(); k < c; ++k) x += g.ColWidth(k) / kTwipsPerPixel;
    return x;
  };
  if (col < hs->value() || x_of(col) + g.ColWidth(col) / kTwipsPerPixel > g.viewport()->width())
    hs->setValue(std::min(col, hs->maximum()));
  const QPoint at(x_of(col) + g.ColWidth(col) / kTwipsPerPixel / 2, h + (row - 1 - v->value()) * h + h / 2);
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, at);
}

class Chann_Test : public Main_Window_Test {
 protected:
  frm_chann &Open_Started() {
    Start();
    messages.shown.clear();
    return *Form();
  }
  frm_chann *Form() const { return main->Windows().Form_As<frm_chann>(win::frm_chann); }
  Flex_Grid &Grid() const { return *Form()->MSF_Chann; }

  void Click(int row, int col) { Click_Cell(Grid(), row, col); }

  // The editor that is shown (the text box also when hidden by Enter).
  QWidget *Editor() const {
    frm_chann *f = Form();
    if (f->Combo_tone->isVisible()) return f->Combo_tone;
    if (f->Combo_edit->isVisible()) return f->Combo_edit;
    return f->Text_Edit;
  }

  // Types text into an editor; characters without a key of their own
  // arrive as pasted text.
  static void Type_Into(QWidget *ed, const QString &text) {
    bool ascii = true;
    for (QChar ch : text) ascii = ascii && ch.unicode() < 0x80;
    if (ascii) {
      QTest::keyClicks(ed, text);
      return;
    }
    auto *box = qobject_cast<QLineEdit *>(ed);
    if (auto *combo = qobject_cast<QComboBox *>(ed)) box = combo->lineEdit();
    ASSERT_NE(box, nullptr) << "no text box to paste into";
    box->insert(text);
  }

  // Steps, separated by ";":
  //   c R C    click cell (R, C)
  //   t TEXT   select what the editor holds and type TEXT ("t" alone: empty it)
  //   a TEXT   type TEXT without selecting
  //   e        Enter in the editor
  //   k N      choose list item N with the arrow keys
  //   s        scroll the grid one row down
  //   d / u    arrow key down / up in the grid
  void Run(const std::string &script) {
    size_t at = 0;
    while (at <= script.size()) {
      size_t end = script.find(';', at);
      if (end == std::string::npos) end = script.size();
      std::string step = script.substr(at, end - at);
      at = end + 1;
      while (!step.empty() && step.front() == ' ') step.erase(0, 1);
      if (step.empty()) continue;
      const char op = step[0];
      const std::string arg = step.size() > 2 ? step.substr(2) : "";
      QWidget *ed = Editor();
      switch (op) {
        case 'c': {
          int r = 0, c = 0;
          sscanf(arg.c_str(), "%d %d", &r, &c);
          Click(r, c);
          break;
        }
        case 't':
          QTest::keyClick(ed, Qt::Key_A, Qt::ControlModifier);
          QTest::keyClick(ed, Qt::Key_Delete);
          [[fallthrough]];
        case 'a': Type_Into(ed, QString::fromStdString(arg)); break;
        case 'e': QTest::keyClick(ed, Qt::Key_Return); break;
        case 'k': {
          auto *combo = qobject_cast<QComboBox *>(ed);
          ASSERT_NE(combo, nullptr) << "no list open for " << step;
          const int n = std::stoi(arg);
          {
            const QSignalBlocker quiet(combo);
            combo->setCurrentIndex(n - 1);
          }
          QTest::keyClick(combo, Qt::Key_Down);
          break;
        }
        case 's': Grid().verticalScrollBar()->setValue(Grid().verticalScrollBar()->value() + 1); break;
        case 'd': QTest::keyClick(&Grid(), Qt::Key_Down); break;
        case 'u': QTest::keyClick(&Grid(), Qt::Key_Up); break;
        default: ADD_FAILURE() << "unknown step " << step;
      }
    }
  }

  QString Cell(int row, int col) const { return Grid().TextMatrix(row, col); }
  // Columns 1..15 of a row joined by "|".
  std::string Row_Text(int row) const {
    QStringList cells;
    for (int c = 1; c < 16; ++c) cells << Cell(row, c);
    return cells.join('|').toStdString();
  }
  static Line_Bytes Line(int line) {
    Line_Bytes b;
    for (int c = 0; c < 16; ++c) b[c] = Shared().Radio_Image(line, c);
    return b;
  }
  static void Set_Line(int line, const Line_Bytes &b) {
    for (int c = 0; c < 16; ++c) Shared().Radio_Image(line, c) = static_cast<uint8_t>(b[c]);
  }
  std::string Messages_Text() const {
    std::string out;
    for (const auto &m : messages.shown) out += (out.empty() ? "" : " / ") + m.text.toStdString();
    return out;
  }
  // The refresh the window runs on activation.
  void Activate() { Form()->Form_Activate(); }
  // Makes the channel window the active child window, as a click into it does.
  void Activate_Channel_Window() {
    main->Mdi_Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(main->Windows().Window(win::frm_chann)));
  }
};

// An editor's own exchange: a main window without the start-up's
// identification, the radio on COM1 with random memory (bytes below
// `modulo`) and the common passwords, the editor opened by name, password
// typed, and its progress display (label, bar) recorded after every event
// of the platform. Its exchanges run up to 400 s of virtual time.
template <class Window_Form>
class Editor_Exchange_Test : public Chann_Test, protected Radio_On_Com1 {
 protected:
  Window_Form &Open_Editor(const QString &name, unsigned seed, int modulo) {
    Make_Main();
    sim.faults.clear();
    sim.writes.clear();
    std::mt19937 rng(seed);
    for (int a = 0; a < sim::kMemSize; ++a) sim.Poke(a, static_cast<uint8_t>(rng() % modulo));
    Connect_Radio(platform, messages, Radio_Setup().Run_Limit_Ms(400000));
    name_ = name;
    Prepare_Image(rng);
    main->Windows().Open(name);
    Window_Form &f = *Watched();
    f.Text_PassWord->setText(QStringLiteral("123456"));
    Follow_Window([this] { return Watched(); });
    messages.shown.clear();
    return f;
  }
  // The image before the editor opens.
  virtual void Prepare_Image(std::mt19937 &) {}
  void TearDown() override {
    Disconnect_Radio();
    Chann_Test::TearDown();
  }
  Window_Form *Watched() const { return main->Windows().Form_As<Window_Form>(name_); }

 private:
  QString name_;
};

}  // namespace zv::test
