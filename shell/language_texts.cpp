#include "shell/language_texts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include "image/shared_state.h"

namespace zv {

Language_Texts &Lang_Texts() {
  static Language_Texts texts;
  return texts;
}

QString Lang_Text(const char *en, const char *cn) {
  return QString::fromUtf8(Shared().Lang_Chinese ? cn : en);
}

void Load_Language_Texts() {
  Language_Texts &t = Lang_Texts();
  if (Shared().Lang_Chinese) {
    t.About_Title_Text = QStringLiteral("KORVELAN ZV 4318Q 对讲机编程软件");
    t.About_Version_Text = QStringLiteral("版权所有 (C) KORVELAN，保留一切权利。");
    t.About_Desc_Text = QStringLiteral("软件设计：KORVELAN 研发部");
    t.About_Disclaimer_Text = QStringLiteral(
        "警告：本计算机程序受著作权法和国际条约保护。未经授权复制或传播本程序或其任何部分，"
        "将依法追究民事和刑事责任。");
    t.About_Ok_Text = QStringLiteral("确定");
    t.About_SysInfo_Text = QStringLiteral("系统信息(&S)...");
    t.Resp_Mode_Text_0 = QStringLiteral("0.无");
    t.Resp_Mode_Text_1 = QStringLiteral("1.提醒");
    t.Resp_Mode_Text_2 = QStringLiteral("2.回复");
    t.Resp_Mode_Text_3 = QStringLiteral("3.提醒并回");
    t.Dec_Func_Text_0 = QStringLiteral("0.通话");
    t.Dec_Func_Text_1 = QStringLiteral("1.主叫");
    t.Dec_Func_Text_2 = QStringLiteral("2.被叫");
    t.Dec_Func_Text_3 = QStringLiteral("3.监听");
    t.Dec_Func_Text_4 = QStringLiteral("4.巡查");
    t.Dec_Func_Text_5 = QStringLiteral("5.报警");
    t.Dec_Func_Text_6 = QStringLiteral("6.遥晕");
    t.Dec_Func_Text_7 = QStringLiteral("7.遥毙");
    t.Dec_Func_Text_8 = QStringLiteral("8.开机");
  } else {
    t.About_Title_Text = QStringLiteral("KORVELAN ZV 4318Q Programming Software");
    t.About_Version_Text = QStringLiteral("Copyright (C) KORVELAN. All rights reserved.");
    t.About_Desc_Text = QStringLiteral("Software design: KORVELAN research and development department.");
    t.About_Disclaimer_Text = QStringLiteral(
        "Warning: this computer program is protected by copyright law and international treaties. "
        "Unauthorized reproduction or distribution of this program, or any portion of it, will be "
        "prosecuted to the maximum extent possible under the law.");
    t.About_Ok_Text = QStringLiteral("Confirm");
    t.About_SysInfo_Text = QStringLiteral("System Information(&S)...");
    t.Resp_Mode_Text_0 = QStringLiteral("0.None");
    t.Resp_Mode_Text_1 = QStringLiteral("1.Alert");
    t.Resp_Mode_Text_2 = QStringLiteral("2.Transpond");
    t.Resp_Mode_Text_3 = QStringLiteral("3.Alert+Transpond");
    t.Dec_Func_Text_0 = QStringLiteral("0.Open Speak");
    t.Dec_Func_Text_1 = QStringLiteral("1.Primary Caller ID");
    t.Dec_Func_Text_2 = QStringLiteral("2.Secondary Caller ID");
    t.Dec_Func_Text_3 = QStringLiteral("3.Monitor");
    t.Dec_Func_Text_4 = QStringLiteral("4.Inspection ");
    t.Dec_Func_Text_5 = QStringLiteral("5.Emergency");
    t.Dec_Func_Text_6 = QStringLiteral("6.Stun");
    t.Dec_Func_Text_7 = QStringLiteral("7.Kill");
    t.Dec_Func_Text_8 = QStringLiteral("8.Revive");
  }
}

void Apply_Captions(QWidget *form, const Caption *captions, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const Caption &c = captions[i];
    QObject *o = form->findChild<QObject *>(QString::fromLatin1(c.name));
    const QString text = Lang_Text(c.en, c.cn);
    if (auto *label = qobject_cast<QLabel *>(o))
      label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(o))
      button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(o))
      frame->setTitle(text);
  }
}

QString Caption_Of(const QObject *control) {
  if (auto *label = qobject_cast<const QLabel *>(control)) return label->text();
  if (auto *button = qobject_cast<const QAbstractButton *>(control)) return button->text();
  if (auto *frame = qobject_cast<const QGroupBox *>(control)) return frame->title();
  return QString();
}

}  // namespace zv
