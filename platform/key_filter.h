// Key filters of text boxes (and of the text part of an editable combo box,
// such as an in-cell editor).
//
// A filter sees only keys that produce a character, Backspace and Enter.
// Delete, the arrow keys, shortcuts (Ctrl+V, Ctrl+A, ...) and pasting pass
// it by, so a window's change handler always encodes whatever text the box
// holds.
//
// Each key is judged in this order:
//  1. Enter: passes the character test.
//     Backspace: Passes, Discarded, or Refused_When_Full (step 2).
//     A character: with upper_case, a lower-case letter whose capital is
//     allowed is taken as that capital; then it must be allowed (no set:
//     every character is).
//  2. With a limit, the box is full when its length (whole text, or text
//     without leading and trailing blanks) is at least the limit; a full box
//     discards every key that reached this step. Under Refused_When_Full,
//     where the user cannot take a character back with Backspace, a key that
//     replaces or removes selected text still passes when the text stays
//     within the limit, so a selection (and the Delete key) still corrects a
//     full box.
//  3. An Enter that passed goes to on_enter when it is set (and never into
//     the box), else on to the box as usual.
//
// Pasted or dropped text is no key. For a whole-text limit Install sets the
// box's maxLength to the limit, so a paste is cut there. For a trimmed limit
// the field's codec takes no more than its own bytes and the next redisplay
// shows what was stored.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace zv {

enum class Limit_Measure { Whole, Trimmed };
enum class Backspace_Rule { Passes, Refused_When_Full, Discarded };

struct Key_Rule {
  std::function<bool(QChar)> allowed;  // empty: every character is allowed
  bool upper_case = false;
  int limit = 0;  // 0: none
  Limit_Measure measure = Limit_Measure::Whole;
  Backspace_Rule backspace = Backspace_Rule::Passes;
  std::function<void()> on_enter;
};

// An allowed-character test from a list of characters.
std::function<bool(QChar)> Chars(const QString &set);

enum class Key_Kind { Character, Backspace, Enter };

struct Key_Verdict {
  bool pass;
  QChar ch;  // the character the box takes (after the upper-case mapping)
};

// The judgement alone: key ch of kind typed into a box holding text, with
// sel_length characters selected from sel_start (sel_length 0: none).
Key_Verdict Judge_Key(const Key_Rule &rule, Key_Kind kind, QChar ch, const QString &text, int sel_start = 0,
                      int sel_length = 0);

class Key_Filter : public QObject {
  Q_OBJECT

 public:
  // Filters the keys typed into box (a child of it, gone with it).
  static Key_Filter *Install(QLineEdit *box, Key_Rule rule);
  // An editable combo box: its keys arrive at the combo, its text is in its
  // line edit. The arrow keys keep choosing from its list. While the combo
  // is not editable the filter lets every key by; after setEditable(true)
  // call Set_Rule again if the rule limits the whole text.
  static Key_Filter *Install(QComboBox *box, Key_Rule rule);

  // A box whose rule changes with what it edits (an in-cell editor).
  void Set_Rule(Key_Rule rule);
  const Key_Rule &Rule() const { return rule_; }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  Key_Filter(QWidget *target, QComboBox *combo, Key_Rule rule);
  // The box's text part, asked anew each time: a combo replaces its line
  // edit when its editability changes.
  QLineEdit *Line() const;

  QWidget *target_;
  QComboBox *combo_;
  Key_Rule rule_;
  bool resending_ = false;
};

}  // namespace zv
