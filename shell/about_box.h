// frmAbout: the program's title, a rights notice, the designer and a
// warning paragraph, with a button that starts a system-information program.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace zv {

class frmAbout : public QWidget {
  Q_OBJECT

 public:
  // Size of the box in twips.
  static constexpr double kWidth_Twips = 6600;
  static constexpr double kHeight_Twips = 4200;

  explicit frmAbout(QWidget *parent = nullptr);

  // Loads the language texts, places the window (the child window holding
  // the box) in the main window's client area, 500 twips above its centre,
  // and sets the texts. The caller shows it.
  void Form_Load(QWidget *window, double client_width, double client_height);
  void cmdOk_Click();
  void cmdSysInfo_Click();

  QLabel *lblTitle = nullptr;
  QLabel *lblVersion = nullptr;
  QLabel *lblDescription = nullptr;
  QLabel *lblDisclaimer = nullptr;
  QLabel *picIcon = nullptr;
  QPushButton *cmdOk = nullptr;
  QPushButton *cmdSysInfo = nullptr;

 private:
  QPointer<QWidget> window_;
};

// Finds and starts the system-information program; where none can be found
// or started, shows "此时系统信息不可用" (no icon, no title of its own).
void StartSysInfo();

}  // namespace zv
