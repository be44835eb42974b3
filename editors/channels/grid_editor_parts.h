// What the channel and FM preset editors share beyond the exchange panel:
// their named buttons, the Clear refusal while busy, and the closing of the
// image-file dialogs with the window.
#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <functional>

#include "comm/exchange_panel.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

inline constexpr Lang_Pair kClear_Busy_Text = {"Read-write operating，don't clear operate .,",
                                               "正在进行读写操作,请勿进行清除操作 ！,"};

// A button of the form, named after its control, that runs click.
inline QPushButton *Make_Button(QWidget *form, const char *name, std::function<void()> click) {
  auto *b = new QPushButton(form);
  b->setObjectName(QString::fromLatin1(name));
  QObject::connect(b, &QPushButton::clicked, form, [click = std::move(click)] { click(); });
  return b;
}

// Clear's busy test: the message and true while the exchange runs.
inline bool Clear_Refused(Exchange_Panel &panel) {
  if (!panel.Busy()) return false;
  panel.Message(kClear_Busy_Text);
  return true;
}

// The Close button: refused while busy; otherwise the window closes, and
// the image-file open and save dialogs with it.
inline void Close_With_Image_Dialogs(Exchange_Panel &panel) {
  if (panel.Close_Button_Refuses()) return;
  panel.Close_Window();
  if (MDImain *main = MDImain::Instance()) {
    main->Windows().Close(win::Form_open_chann);
    main->Windows().Close(win::Form_save_chann);
  }
}

}  // namespace zv
