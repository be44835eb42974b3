// The real message box shows its text as it is: a file name or file item that
// looks like markup must reach the user unchanged.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>

#include "platform/message_box.h"

namespace zv {
namespace {

TEST(Real_Message_Box, ShowsMarkupLikeTextAsPlainText) {
  const QString text = QStringLiteral("Cannot open <b>50%2.dat</b> &amp; more");
  QMessageBox box;
  Configure_Message_Box(box, text, QStringLiteral("Operate prompt"), Msg_Icon::Warning);
  box.show();
  const QLabel *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_EQ(label->text(), text);
  EXPECT_EQ(box.windowTitle(), QStringLiteral("Operate prompt"));
  EXPECT_EQ(box.icon(), QMessageBox::Warning);
}

}  // namespace
}  // namespace zv
