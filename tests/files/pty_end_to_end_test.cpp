// End to end on the real back end: the simulated radio program on a
// pseudo-terminal, the read window reads it into the image, the write window
// writes the image back, and the program's memory dump is compared.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "comm/comm_read_window.h"
#include "comm/comm_write_window.h"
#include "image/dat_file.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "tests/sim/sim_process.h"
#include "tests/support/event_loop_wait.h"

namespace zv {
namespace {

TEST(Pty_End_To_End, ReadTheRadioThenWriteTheImageBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string radio_file = dir.filePath("radio.dat").toStdString();
  const std::string dump_file = dir.filePath("after.dat").toStdString();

  // The radio holds a random image.
  std::mt19937 rng(2024);
  Radio_Image_Table radio;
  for (int r = 0; r < 1024; ++r)
    for (int c = 0; c < 16; ++c) radio(r, c) = static_cast<uint8_t>(rng());
  ASSERT_TRUE(Save_Image_File(radio_file, radio).Ok());

  sim::Sim_Process process;
  std::string error;
  ASSERT_TRUE(process.Start({"--load", radio_file, "--no-pace", "--dump", dump_file}, &error)) << error;
  const char *old = std::getenv("ZV_COM5");
  const std::string old_value = old ? old : "";
  setenv("ZV_COM5", process.Path().c_str(), 1);

  Set_Platform(nullptr);  // the real back end
  Message_Recorder messages;
  Set_Message_Service(&messages);
  Shared() = Shared_State{};
  Shared().Handshake_Bytes = kHandshake_Bytes;
  Shared().Comm_Port = 5;
  for (int r = 0; r < kImageLines; ++r)
    for (int c = 0; c < 17; ++c) Shared().Radio_Image(r, c) = static_cast<uint8_t>(rng());
  const Radio_Image_Table before = Shared().Radio_Image;

  // Read.
  {
    QPointer<Form_Comm_Read> w = new Form_Comm_Read;
    w->Form_Load(nullptr, 19200, 12000);
    w->Text_PassWord->setText(QStringLiteral("123456"));
    w->Command_read_Click();
    ASSERT_TRUE(test::Run_Event_Loop_Until([&] { return !messages.shown.empty(); }, 120000));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Complete reading data from the transceiver."));
    EXPECT_EQ(w->Label_tr_count->text(), QStringLiteral("Read Data is Ok ！"));
    delete w.data();
  }
  for (int r = 0; r < kImageLines; ++r)
    for (int c = 0; c < 17; ++c)
      ASSERT_EQ(Shared().Radio_Image(r, c), r <= 787 && c < 16 ? radio(r, c) : before(r, c)) << r << "," << c;

  // Change the image, then write it.
  for (int r = 0; r < 784; ++r)
    for (int c = 0; c < 16; ++c) Shared().Radio_Image(r, c) = static_cast<uint8_t>(rng());
  messages.shown.clear();
  {
    QPointer<Form_Comm_Write> w = new Form_Comm_Write;
    w->Form_Load(nullptr, 19200, 12000);
    w->Text_PassWord->setText(QStringLiteral("123456"));
    w->Command_Write_Click();
    ASSERT_TRUE(test::Run_Event_Loop_Until([&] { return !messages.shown.empty(); }, 120000));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Complete Written the data to transceiver."));
    delete w.data();
  }
  EXPECT_EQ(process.Stop(), 0);
  Radio_Image_Table after;
  ASSERT_TRUE(Load_Image_File(dump_file, after).Ok());
  // Lines 0-783 now hold the image; the rest up to the alignment area
  // (0x3C00, which the program keeps apart) is as it was.
  for (int r = 0; r < 960; ++r)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(after(r, c), r <= 783 ? Shared().Radio_Image(r, c) : radio(r, c)) << r << "," << c;

  Set_Message_Service(nullptr);
  if (old)
    setenv("ZV_COM5", old_value.c_str(), 1);
  else
    unsetenv("ZV_COM5");
}

}  // namespace
}  // namespace zv
