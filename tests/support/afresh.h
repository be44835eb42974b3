// A fixture whose case tables run each case on a fresh start: Start_Afresh()
// ends what the fixture set up (its TearDown) and sets it up anew (its SetUp),
// as between two tests.
#pragma once

#include <gtest/gtest.h>

namespace zv::test {

class Afresh_Test : public ::testing::Test {
 protected:
  void Start_Afresh() {
    TearDown();
    SetUp();
  }
};

}  // namespace zv::test
