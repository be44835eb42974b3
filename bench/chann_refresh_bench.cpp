// Time of the channel editor's refresh on activation (target: under 50 ms):
// the editor opened offscreen in a main window on an image of 200 channels,
// each with a name, and all 200 rows redrawn from the image by Form_Activate,
// then one repaint. The image alternates between two contents so that every
// run really changes the cells. Prints median and worst; asserts nothing.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "editors/channels/chann_window.h"
#include "image/channel_record.h"
#include "image/freq_codec.h"
#include "image/shared_state.h"
#include "image/startup_state.h"
#include "platform/flex_grid.h"
#include "platform/message_box.h"
#include "platform/virtual_platform.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace {

void Fill_Channels(int variant) {
  zv::Radio_Image_Table &image = zv::Shared().Radio_Image;
  for (int ch = 0; ch < 200; ++ch) {
    std::string rx = std::to_string(400 + ch) + "." + (variant ? "125" : "5");
    zv::Freq_To_Bcd(rx, image, ch, 0);
    std::string tx = std::to_string(401 + ch);
    zv::Freq_To_Bcd(tx, image, ch, 4);
    const uint8_t bytes[8] = {static_cast<uint8_t>(variant ? 0x75 : 1), static_cast<uint8_t>(variant ? 3 : 0),
                              static_cast<uint8_t>(variant ? 210 : 0xE8), static_cast<uint8_t>(variant ? 0 : 3),
                              0x03, 0x21, static_cast<uint8_t>(variant), 0x4F};
    for (int c = 0; c < 8; ++c) image(ch, 8 + c) = bytes[c];
    const char *name = variant ? "CH" : "NAME";
    for (int k = 0; k < 8; ++k)
      image(256 + ch, k) = k < 6 ? static_cast<uint8_t>(name[k % 2] + k % 3) : 0xFF;
  }
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using clock = std::chrono::steady_clock;
  zv::Virtual_Platform platform;  // no port opens: nothing but the editor runs
  zv::Set_Platform(&platform);
  zv::Message_Recorder messages;
  zv::Set_Message_Service(&messages);

  zv::Build_Startup_State(zv::Shared(), [] {});
  zv::MDImain main;
  main.Fill_Screen_And_Show();
  main.Windows().Open(zv::win::frm_chann);
  auto *form = main.Windows().Form_As<zv::frm_chann>(zv::win::frm_chann);
  if (!form) return 1;

  const int runs = 50;
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    Fill_Channels(i & 1);
    const auto t0 = clock::now();
    form->Form_Activate();
    form->MSF_Chann->viewport()->repaint();
    ms.push_back(std::chrono::duration<double, std::milli>(clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("channel editor refresh, 200 channels with names, %d runs: median %.3f ms, worst %.3f ms "
              "(target < 50 ms)\n",
              runs, ms[ms.size() / 2], ms.back());
  zv::Set_Message_Service(nullptr);
  zv::Set_Platform(nullptr);
  return 0;
}
