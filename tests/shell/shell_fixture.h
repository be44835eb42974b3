// A main window on a known screen, with messages recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/virtual_platform.h"
#include "shell/language_texts.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "sim/radio_sim.h"
#include "support/afresh.h"

namespace zv::test {

// Deletes the windows that were closed.
inline void Flush_Deletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Closes every top-level window that is still open.
inline void Close_All_Windows() {
  for (QWidget *w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->close();
  Flush_Deletes();
}

// Shows a real modal message box over the main window and closes it once it
// has become the active window, so that the main window loses and regains
// the activation as with a box the user confirms.
inline void Real_Box_Round_Trip() {
  QMessageBox box(MDImain::Instance());
  box.setText(QStringLiteral("box"));
  bool box_was_active = false;
  QTimer::singleShot(0, &box, [&box, &box_was_active] {
    box.activateWindow();
    QCoreApplication::processEvents();
    box_was_active = QApplication::activeWindow() == &box;
    box.accept();
  });
  box.exec();
  // The window system gives the activation back to the main window.
  MDImain::Instance()->activateWindow();
  QCoreApplication::processEvents();
  EXPECT_TRUE(box_was_active);
  EXPECT_EQ(QApplication::activeWindow(), MDImain::Instance());
}

class Main_Window_Test : public Afresh_Test {
 protected:
  void SetUp() override {
    Shared() = Shared_State{};
    Lang_Texts() = Language_Texts{};
    Set_Message_Service(&messages);
    Set_Screen_Size_Override(&screen);
    Set_Platform(&platform);
  }
  void TearDown() override {
    Close_All_Windows();
    main.reset();
    Flush_Deletes();
    Set_Screen_Size_Override(nullptr);
    Set_Message_Service(nullptr);
    Set_Platform(nullptr);
  }

  // A main window with the captions and the size of start-up, shown.
  MDImain &Make_Main() {
    main = std::make_unique<MDImain>();
    Lang_Texts().Title_Text_En = QStringLiteral("KORVELAN ZV 4318Q two way radio Program Software.");
    Load_Language_Texts();
    main->Set_Panel_Widths();
    main->Apply_Startup_Captions();
    main->Fill_Screen_And_Show();
    return *main;
  }

  // A main window after the whole start-up.
  MDImain &Start() {
    main = std::make_unique<MDImain>();
    MDIForm_Load(*main);
    return *main;
  }

  // The captions of the visible entries of a menu, "-" ahead of a disabled one.
  static QStringList Visible_Entries(const QList<QAction *> &actions) {
    QStringList out;
    for (const QAction *a : actions)
      if (a->isVisible()) out << (a->isEnabled() ? a->text() : QStringLiteral("-") + a->text());
    return out;
  }

  Virtual_Platform platform;
  Screen_Px screen{1920, 1080};
  Message_Recorder messages;
  std::unique_ptr<MDImain> main;
};

}  // namespace zv::test
