// The progress display of a window (bar and label) as it changed during an
// exchange: the test calls Record after every event of the platform, and a
// step is kept whenever the label, the bar's value or its visibility differ
// from the step before.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <ostream>
#include <string>
#include <vector>

namespace zv::test {

struct Step {
  std::string label;
  int bar;
  bool bar_visible;
  bool operator==(const Step &o) const {
    return label == o.label && bar == o.bar && bar_visible == o.bar_visible;
  }
  bool operator!=(const Step &o) const { return !(*this == o); }
};
inline void PrintTo(const Step &s, std::ostream *os) {
  *os << '"' << s.label << "\" " << s.bar << (s.bar_visible ? "" : " (hidden)");
}

class Progress_Recorder {
 public:
  void Watch(QProgressBar *bar, QLabel *label) {
    bar_ = bar;
    label_ = label;
  }
  std::string Label() const { return label_ ? label_->text().toStdString() : ""; }
  void Record() {
    if (!bar_) return;
    const Step s{Label(), bar_->value(), bar_->isVisible()};
    if (steps.empty() || steps.back() != s) steps.push_back(s);
  }
  // The labels of the steps, and the bar's values with repeats folded.
  std::vector<std::string> Labels() const {
    std::vector<std::string> out;
    for (const Step &s : steps)
      if (out.empty() || out.back() != s.label) out.push_back(s.label);
    return out;
  }
  std::vector<int> Bars() const {
    std::vector<int> out;
    for (const Step &s : steps)
      if (out.empty() || out.back() != s.bar) out.push_back(s.bar);
    return out;
  }

  std::vector<Step> steps;  // the progress display, each change

 private:
  QPointer<QProgressBar> bar_;
  QPointer<QLabel> label_;
};

}  // namespace zv::test
