// A window's control captions in both languages, each control found by its
// object name.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <initializer_list>
#include <string>

namespace zv::test {

struct Caption {
  const char *name;
  const char *en, *cn;
};

inline void Expect_Captions(const QWidget &window, std::initializer_list<Caption> captions, bool chinese) {
  for (const Caption &c : captions) {
    SCOPED_TRACE(c.name);
    const QObject *o = window.findChild<QObject *>(QString::fromLatin1(c.name));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->property("text").toString().toStdString(), std::string(chinese ? c.cn : c.en));
  }
}

}  // namespace zv::test
