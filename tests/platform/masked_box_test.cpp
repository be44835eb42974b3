// Password boxes show one "*" per character, typed or set from code, and
// keep the text itself as it was typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QtTest/QTest>

#include "platform/masked_box.h"

namespace zv {
namespace {

TEST(Masked_Box, ShowsAStarPerCharacter) {
  struct Case {
    const char *typed;
    const char *shown;
  };
  const Case cases[] = {{"", ""}, {"123456", "******"}, {" a b ", "*****"}, {"1234567890abcdefghij", "********************"}};
  for (const Case &c : cases) {
    QLineEdit box(QStringLiteral("836024"));
    Mask_With_Stars(&box);
    EXPECT_EQ(box.displayText(), QStringLiteral("******"));
    box.clear();
    QTest::keyClicks(&box, QString::fromUtf8(c.typed));
    EXPECT_EQ(box.displayText(), QString::fromUtf8(c.shown)) << c.typed;
    EXPECT_EQ(box.text(), QString::fromUtf8(c.typed));
  }
  QLineEdit box;
  Mask_With_Stars(&box);
  box.setText(QString::fromUtf8("密码"));
  EXPECT_EQ(box.displayText(), QStringLiteral("**"));
}

TEST(Masked_Box, BoxesComeAndGoIndependently) {
  auto *first = new QLineEdit;
  Mask_With_Stars(first);
  delete first;
  QLineEdit second(QStringLiteral("ab"));
  Mask_With_Stars(&second);
  EXPECT_EQ(second.displayText(), QStringLiteral("**"));
}

}  // namespace
}  // namespace zv
