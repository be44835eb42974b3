// The 2-tone editor opened from the Signal menu of a main window, messages
// recorded, on the virtual platform.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "editors/signalling/frm_2tone.h"
#include "image/startup_state.h"
#include "image/tone2_area.h"
#include "platform/flex_grid.h"
#include "platform/list_combo.h"
#include "platform/tab_strip.h"
#include "platform/twips.h"
#include "shell/shell_fixture.h"
#include "support/ui_input.h"

namespace zv::test {

class Tone2_Test : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Build_Startup_State(Shared());
  }

  // Public: the cases of a table drive the fixture from lambdas.
 public:
  frm_2tone &Open() {
    if (!main) Make_Main();
    QApplication::setActiveWindow(main.get());
    main->Menu(QStringLiteral("Sig_2tone"))->trigger();
    ui::Settle();
    form = main->Windows().Form_As<frm_2tone>(win::frm_2tone);
    if (!form) throw std::runtime_error("2-tone editor did not open");
    return *form;
  }

  static uint8_t &Img(int line, int col) { return Shared().Radio_Image(line, col); }
  // Lines 719-767: the area and the line before it.
  static std::vector<uint8_t> Area() {
    std::vector<uint8_t> out;
    for (int l = 719; l <= 767; ++l)
      for (int c = 0; c < 16; ++c) out.push_back(Img(l, c));
    return out;
  }

  void Click_Tab(int tab) { ui::Click_Tab(form->TabStrip1, tab); }
  // Opens the encode editor over a cell and types text into it.
  void Edit_Encode(int row, int col, const QString &text) {
    ui::Click(form->MSF_Encode, row, col);
    ui::Retype(form->Text_Encode, text);
  }
  QStringList Texts() const {
    QStringList out;
    for (const Message_Record &m : messages.shown) out << m.text;
    return out;
  }

  frm_2tone *form = nullptr;
};

}  // namespace zv::test
