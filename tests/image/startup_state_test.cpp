#include <gtest/gtest.h>

#include <memory>

#include "factory_expect.h"
#include "image/startup_state.h"
#include "image/tone_list.h"

namespace zv {
namespace {

// The whole image after start-up: the factory cells of every area, 0 in the
// option bytes no default names, 0xFF everywhere else in columns 0-15, and
// column 16 untouched (0).
expect::Cells Startup_Image() {
  expect::Cells e;
  e.Fill(0, 1024, 0, 15, 0xFF);
  e.Fill(0, 1024, 16, 16, 0);
  for (int i = 58; i < 208; ++i)
    if (i != 132 && i != 133) e.v[224 + i / 16][i % 16] = 0;
  for (const expect::Cells &area : {expect::Channels(), expect::Options(), expect::Fm(),
                                    expect::Dtmf(), expect::Tone2(), expect::Tone5()})
    e.Merge(area);
  return e;
}

class StartupState : public ::testing::Test {
 protected:
  void SetUp() override { Build_Startup_State(*s); }
  std::unique_ptr<Shared_State> s = std::make_unique<Shared_State>();
};

TEST_F(StartupState, WholeImageHoldsTheFactoryDefaults) {
  const expect::Cells want = Startup_Image();
  int wrong = 0;
  for (int l = 0; l < 1025; ++l)
    for (int c = 0; c < 17; ++c)
      if (s->Radio_Image(l, c) != want.v[l][c] && ++wrong <= 10)
        ADD_FAILURE() << "line " << l << " col " << c << " is " << int(s->Radio_Image(l, c))
                      << ", expected " << want.v[l][c];
  EXPECT_EQ(wrong, 0);
}

TEST_F(StartupState, AreasNoDefaultWritesStayErased) {
  // Lines that no loader writes, and the cells of loaded lines left alone.
  const int ranges[][2] = {{200, 223}, {252, 255}, {256, 455}, {456, 511}, {527, 527},
                           {543, 543}, {559, 559}, {575, 575}, {591, 591}, {608, 655},
                           {688, 719}, {784, 1024}};
  for (const auto &r : ranges)
    for (int l = r[0]; l <= r[1]; ++l)
      for (int c = 0; c < 16; ++c) ASSERT_EQ(s->Radio_Image(l, c), 0xFF) << l << "/" << c;
  for (int l : {241, 243, 245, 247})
    for (int c = 12; c < 16; ++c) EXPECT_EQ(s->Radio_Image(l, c), 0xFF) << l << "/" << c;
  for (int l = 576; l <= 590; ++l)
    for (int c = 3; c < 16; ++c) EXPECT_EQ(s->Radio_Image(l, c), 0xFF) << l << "/" << c;
  // Every band starts in frequency mode.
  for (int i = 155; i <= 158; ++i) EXPECT_EQ(s->Radio_Image(224 + i / 16, i % 16), 0) << i;
  for (int l = 0; l < 1025; ++l) ASSERT_EQ(s->Radio_Image(l, 16), 0) << l;
}

TEST_F(StartupState, AlignmentTableIsTheFactoryTable) {
  const auto want = expect::Adjust();
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) {
      EXPECT_EQ(s->Adjust_Table(r, c), want[r][c]) << r << "/" << c;
      EXPECT_EQ(s->Adjust_Defaults(r, c), want[r][c]) << r << "/" << c;
    }
  for (int c = 0; c < 17; ++c) EXPECT_EQ(s->Adjust_Table(32, c), 0);
  for (int r = 0; r < 33; ++r) EXPECT_EQ(s->Adjust_Table(r, 16), 0);
}

TEST_F(StartupState, SharedValues) {
  EXPECT_EQ(s->Chan_Count, 200);
  EXPECT_EQ(s->Tone_Tick_Ms, 0.000434028);
  const Band_Limits &b = s->Bands;
  EXPECT_EQ(b.Band_A_Low, 136); EXPECT_EQ(b.Band_A_High, 174);
  EXPECT_EQ(b.Band_B_Low, 200); EXPECT_EQ(b.Band_B_High, 270);
  EXPECT_EQ(b.Band_C_Low, 400); EXPECT_EQ(b.Band_C_High, 520);
  EXPECT_EQ(b.Band_D_Low, 340); EXPECT_EQ(b.Band_D_High, 400);
  EXPECT_EQ(s->Tone5.Tone5_Freq_Text[0][0], "   1981.0  ");
  EXPECT_EQ(QtDqt_Names()[0].find("OFF") != std::string::npos, true);
  // Opt_Block holds what went into the option lines.
  for (int i = 0; i < 256; ++i) EXPECT_EQ(s->Opt_Block[i], s->Radio_Image(224 + i / 16, i % 16)) << i;
}

// The identification restart runs after the tick is set and before the image
// is filled.
TEST(StartupOrder, IdentificationRestartComesBeforeTheImageFill) {
  auto s = std::make_unique<Shared_State>();
  s->Bands.Band_A_Low = 1;
  s->Tone_Tick_Ms = 0;
  int calls = 0;
  Build_Startup_State(*s, [&] {
    ++calls;
    EXPECT_EQ(s->Tone_Tick_Ms, 0.000434028);
    EXPECT_EQ(s->Bands.Band_A_Low, 136);
    EXPECT_EQ(s->Radio_Image(300, 0), 0) << "image already filled";
    EXPECT_EQ(s->Adjust_Table(0, 0), 0) << "alignment already copied";
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(s->Radio_Image(300, 0), 0xFF);
}

}  // namespace
}  // namespace zv
