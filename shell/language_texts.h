// The texts shared between windows in the language chosen by Lang_Chinese,
// and the main window's title and panel-15 texts of both languages.
#pragma once

#include <QString>
#include <cstddef>

class QObject;
class QWidget;

namespace zv {

struct Language_Texts {
  // Filled by Load_Language_Texts from Lang_Chinese.
  QString About_Title_Text;
  QString About_Version_Text;
  QString About_Desc_Text;
  QString About_Disclaimer_Text;
  QString About_Ok_Text;
  QString About_SysInfo_Text;
  QString Resp_Mode_Text_0, Resp_Mode_Text_1, Resp_Mode_Text_2, Resp_Mode_Text_3;
  QString Dec_Func_Text_0, Dec_Func_Text_1, Dec_Func_Text_2, Dec_Func_Text_3, Dec_Func_Text_4,
      Dec_Func_Text_5, Dec_Func_Text_6, Dec_Func_Text_7, Dec_Func_Text_8;

  // The main window's title and status panel 15 in each language. The
  // English ones are set at start-up; the Chinese ones never change.
  QString Title_Text_En;
  QString Panel15_Text_En;
  QString Title_Text_Cn = QStringLiteral("KORVELAN ZV 4318Q 对讲机编程软件");
  QString Panel15_Text_Cn;
};

// The program's one set of language texts.
Language_Texts &Lang_Texts();

// Sets the 19 shared texts from Lang_Chinese.
void Load_Language_Texts();

// The text of the language in use: en when Lang_Chinese is false, else cn.
QString Lang_Text(const char *en, const char *cn);

// A control's caption in both languages, by the control's object name.
struct Caption {
  const char *name, *en, *cn;
};
// Gives each named control below form its caption in the language in use:
// the text of a label or button, the title of a frame.
void Apply_Captions(QWidget *form, const Caption *captions, size_t count);
template <size_t N>
void Apply_Captions(QWidget *form, const Caption (&captions)[N]) {
  Apply_Captions(form, captions, N);
}
// The caption a label, button or frame shows; empty for any other object.
QString Caption_Of(const QObject *control);

}  // namespace zv
