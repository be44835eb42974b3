#include <gtest/gtest.h>

#include "image/radio_image.h"

namespace zv {
namespace {

TEST(ByteTable, SetCheckedRefusesNonBytesAndKeepsTheCell) {
  Radio_Image_Table image;
  image(3, 4) = 77;
  struct Case { long long value; bool stored; };
  for (Case c : {Case{-1, false}, Case{256, false}, Case{100000, false}, Case{0, true}, Case{255, true}}) {
    image(3, 4) = 77;
    EXPECT_EQ(image.Set_Checked(3, 4, c.value), c.stored) << c.value;
    EXPECT_EQ(image(3, 4), c.stored ? c.value : 77) << c.value;
  }
}

TEST(ByteTable, OutOfShapeAccessThrows) {
  Radio_Image_Table image;
  EXPECT_NO_THROW(image(1024, 16));
  EXPECT_THROW(image(1025, 0), std::out_of_range);
  EXPECT_THROW(image(0, 17), std::out_of_range);
  EXPECT_THROW(image(-1, 0), std::out_of_range);
  Adjust_Table_Type adj;
  EXPECT_NO_THROW(adj(32, 16));
  EXPECT_THROW(adj(33, 0), std::out_of_range);
}

TEST(MemoryMap, AddressingRule) {
  EXPECT_EQ(Addr_Line(0x3DF0), 991);
  EXPECT_EQ(Addr_Col(0x3DF5), 5);
  EXPECT_EQ(map::kOptionLine, 224);
  EXPECT_EQ(map::kChanNameLine, 256);
  EXPECT_EQ(map::kTone5StdLine, 576);
  EXPECT_EQ(map::kDtmfLine, 656);
  EXPECT_EQ(map::kTone2Line, 720);
  EXPECT_EQ(map::kFmLine, 768);
}

}  // namespace
}  // namespace zv
