// The DTMF editor opened from a started main window, with messages recorded,
// on the virtual platform.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <array>
#include <stdexcept>

#include "editors/signalling/frm_dtmf.h"
#include "image/startup_state.h"
#include "platform/list_combo.h"
#include "shell/shell_fixture.h"
#include "tests/support/ui_input.h"

namespace zv::test {

using ui::Choose;
using ui::Click_Button;
using ui::Leave;
using ui::Retype;
using ui::Settle;

using Dtmf_Row = std::array<uint8_t, 16>;

inline uint8_t &Img(int line, int col) { return Shared().Radio_Image(line, col); }
inline Dtmf_Row Row(int line) {
  Dtmf_Row r;
  for (int c = 0; c < 16; ++c) r[static_cast<size_t>(c)] = Img(line, c);
  return r;
}
inline void Set_Row(int line, const Dtmf_Row &r) {
  for (int c = 0; c < 16; ++c) Img(line, c) = r[static_cast<size_t>(c)];
}
// A code row: the codes from byte 0, 0xFF behind them.
inline Dtmf_Row Codes(std::initializer_list<int> codes) {
  Dtmf_Row r;
  r.fill(0xFF);
  size_t i = 0;
  for (int c : codes) r[i++] = static_cast<uint8_t>(c);
  return r;
}

class Dtmf_Editor_Test : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Build_Startup_State(Shared());
  }

  // Opens the editor from the Signal menu on a main window with the captions
  // and size of start-up.
  frm_dtmf &Open() {
    if (!main) Make_Main();
    QApplication::setActiveWindow(main.get());
    main->Menu(QStringLiteral("Sig_dtmf"))->trigger();
    Settle();
    form = main->Windows().Form_As<frm_dtmf>(QStringLiteral("frm_dtmf"));
    if (!form) throw std::runtime_error("DTMF editor did not open");
    return *form;
  }
  QMdiSubWindow *Sub() const {
    return qobject_cast<QMdiSubWindow *>(main->Windows().Window(QStringLiteral("frm_dtmf")));
  }

  // Pastes text over the whole text of a box.
  static void Paste(QLineEdit *box, const QString &text) {
    box->setFocus();
    box->selectAll();
    box->insert(text);
  }

  frm_dtmf *form = nullptr;
};

}  // namespace zv::test
