#include "shell/startup.h"

#include "image/protocol.h"
#include "image/shared_state.h"
#include "image/startup_state.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "shell/language_texts.h"
#include "shell/main_window.h"

namespace zv {

namespace {

// The smallest screen the windows are laid out for, in logical pixels.
constexpr int kMin_Screen_Width = 1280;
constexpr int kMin_Screen_Height = 800;

}  // namespace

void MDIForm_Load(MDImain &main) {
  Shared_State &s = Shared();
  Language_Texts &texts = Lang_Texts();
  texts.Title_Text_En = QStringLiteral("KORVELAN ZV 4318Q two way radio Program Software.");
  texts.Panel15_Text_En = QString();
  for (size_t i = 0; i < kHandshake_Bytes.size(); ++i) s.Handshake_Bytes[i] = kHandshake_Bytes[i];
  s.Lang_Chinese = false;
  Load_Language_Texts();

  main.Set_Panel_Widths();
  main.Apply_Startup_Captions();
  main.Fill_Screen_And_Show();

  const Screen_Px screen = Screen_Size();
  if (screen.height < kMin_Screen_Height || screen.width < kMin_Screen_Width)
    Message_Box(QStringLiteral("Set the display mode of the computer to 1280 * 800 "), QStringLiteral("Operate Prompt"));

  // The highest port that opens becomes the communication port; nothing is
  // shown for the ports that do not.
  Identify_Cycle &cycle = main.Identify();
  for (int n = 12; n >= 1; --n) {
    s.Comm_Port = n;
    cycle.Probe_Port();
    if (!s.Port_Error) break;
  }
  cycle.Close_Port();

  Build_Startup_State(s, [&cycle] { cycle.Restart_Identify(); });

  main.Windows().Open(win::frm_chann);
}

}  // namespace zv
