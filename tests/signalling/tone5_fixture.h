// The 5-tone editor opened from the Signal menu of a main window, messages
// recorded, on the virtual platform with the simulated radio on COM1 (common
// passwords) and the editor's progress display recorded.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <stdexcept>
#include <string>
#include <vector>

#include "comm/exchange_engine.h"
#include "comm/exchange_panel.h"
#include "editors/signalling/frm_5tone.h"
#include "image/protocol.h"
#include "image/startup_state.h"
#include "shell/shell_fixture.h"
#include "tests/support/exchange_checks.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/radio_on_com1.h"
#include "tests/support/ui_input.h"

namespace zv::test {

// Public: the cases of a table drive the fixture, its radio included, from
// lambdas.
class Tone5_Test : public Main_Window_Test, public Radio_On_Com1 {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Build_Startup_State(Shared());
    // A radio whose 5-tone area differs from the image everywhere.
    for (int a = 0x2000; a < 0x2600; ++a) sim.Poke(a, static_cast<uint8_t>((a * 7 + 3) & 0xFF));
    Connect_Radio(platform, messages);
    // The window's exchange panel holds its engine and progress display.
    Follow_Display([this]() -> std::optional<Exchange_Display> {
      if (!form) return std::nullopt;
      return Exchange_Display{&form->Engine(), Bar(), form->Panel().Label_tr_count};
    });
  }
  void TearDown() override {
    Disconnect_Radio();
    Main_Window_Test::TearDown();
  }

 public:
  frm_5tone &Open() {
    if (!main) Make_Main();
    QApplication::setActiveWindow(main.get());
    main->Menu(QStringLiteral("Sig_5tone"))->trigger();
    ui::Settle();
    form = main->Windows().Form_As<frm_5tone>(win::frm_5tone);
    if (!form) throw std::runtime_error("5-tone editor did not open");
    form->Panel().Text_PassWord->setText(QStringLiteral("123456"));
    return *form;
  }

  static uint8_t &Img(int line, int col) { return Shared().Radio_Image(line, col); }
  // Image lines first..last, columns 0-15, in one row of bytes.
  static std::vector<uint8_t> Lines(int first, int last) {
    std::vector<uint8_t> out;
    for (int l = first; l <= last; ++l)
      for (int c = 0; c < 16; ++c) out.push_back(Img(l, c));
    return out;
  }
  // The radio's bytes of the same lines.
  std::vector<uint8_t> Radio_Lines(int first, int last) const {
    std::vector<uint8_t> out;
    for (int a = 16 * first; a < 16 * (last + 1); ++a) out.push_back(sim.Peek(a));
    return out;
  }

  QString Cell(Flex_Grid *grid, int row, int col) const { return grid->TextMatrix(row, col); }
  // Opens the frame editor over an encode cell and replaces its text as a
  // user does: select all, Delete, type.
  void Edit_Frame(int row, int col, const QString &text) {
    ui::Click(form->MSF_Encode, row, col);
    form->Text_Encode->selectAll();
    QTest::keyClick(form->Text_Encode, Qt::Key_Delete);
    ui::Type(form->Text_Encode, text);
  }

  Exchange_Engine &Engine() { return form->Engine(); }
  QString Label() const { return form ? form->Panel().Label_tr_count->text() : QString(); }
  QProgressBar *Bar() const { return form->Panel().ProgressBar1; }

  QStringList Texts() const {
    QStringList out;
    for (const Message_Record &m : messages.shown) out << m.text;
    return out;
  }

  QPointer<frm_5tone> form;
};

}  // namespace zv::test
