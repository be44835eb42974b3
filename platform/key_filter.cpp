#include "platform/key_filter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "platform/list_combo.h"

namespace zv {

namespace {

int Measure(const QString &text, Limit_Measure measure) {
  return static_cast<int>(measure == Limit_Measure::Trimmed ? text.trimmed().size() : text.size());
}

// The text after the key has replaced (or Backspace removed) the selection.
QString After_Selection(const QString &text, int sel_start, int sel_length, Key_Kind kind, QChar ch) {
  QString result = text;
  result.remove(sel_start, sel_length);
  if (kind != Key_Kind::Backspace) result.insert(sel_start, ch);
  return result;
}

}  // namespace

std::function<bool(QChar)> Chars(const QString &set) {
  return [set](QChar ch) { return set.contains(ch); };
}

Key_Verdict Judge_Key(const Key_Rule &rule, Key_Kind kind, QChar ch, const QString &text, int sel_start,
                      int sel_length) {
  const Key_Verdict refused{false, ch};
  switch (kind) {
    case Key_Kind::Enter:
      break;
    case Key_Kind::Backspace:
      if (rule.backspace == Backspace_Rule::Discarded) return refused;
      if (rule.backspace == Backspace_Rule::Passes) return {true, ch};
      break;
    case Key_Kind::Character:
      if (rule.upper_case && ch.isLower() && (!rule.allowed || rule.allowed(ch.toUpper()))) ch = ch.toUpper();
      if (rule.allowed && !rule.allowed(ch)) return {false, ch};
      break;
  }
  if (rule.limit > 0 && Measure(text, rule.measure) >= rule.limit) {
    const bool corrects = rule.backspace == Backspace_Rule::Refused_When_Full && kind != Key_Kind::Enter &&
                          sel_length > 0 &&
                          Measure(After_Selection(text, sel_start, sel_length, kind, ch), rule.measure) <= rule.limit;
    if (!corrects) return {false, ch};
  }
  return {true, ch};
}

Key_Filter::Key_Filter(QWidget *target, QComboBox *combo, Key_Rule rule)
    : QObject(target), target_(target), combo_(combo) {
  Set_Rule(std::move(rule));
  target_->installEventFilter(this);
}

Key_Filter *Key_Filter::Install(QLineEdit *box, Key_Rule rule) { return new Key_Filter(box, nullptr, std::move(rule)); }

Key_Filter *Key_Filter::Install(QComboBox *box, Key_Rule rule) { return new Key_Filter(box, box, std::move(rule)); }

QLineEdit *Key_Filter::Line() const { return combo_ ? combo_->lineEdit() : static_cast<QLineEdit *>(target_); }

void Key_Filter::Set_Rule(Key_Rule rule) {
  rule_ = std::move(rule);
  QLineEdit *line = Line();
  if (line) line->setMaxLength(rule_.limit > 0 && rule_.measure == Limit_Measure::Whole ? rule_.limit : 32767);
  // An input method would commit text without keys; a box with a character
  // set takes only keys.
  target_->setAttribute(Qt::WA_InputMethodEnabled, !rule_.allowed);
  if (line && line != target_) line->setAttribute(Qt::WA_InputMethodEnabled, !rule_.allowed);
}

bool Key_Filter::eventFilter(QObject *watched, QEvent *event) {
  if (watched != target_ || event->type() != QEvent::KeyPress || resending_) return false;
  QLineEdit *line = Line();
  if (!line) return false;
  auto *key = static_cast<QKeyEvent *>(event);
  const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  Key_Kind kind;
  QString typed;
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && plain) {
    kind = Key_Kind::Enter;
  } else if (key->key() == Qt::Key_Backspace && plain) {
    kind = Key_Kind::Backspace;
  } else if (Is_Character_Key(*key)) {
    kind = Key_Kind::Character;
    typed = key->text();
  } else {
    return false;
  }

  const QString text = line->text();
  const int sel_start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
  const int sel_length = line->hasSelectedText() ? static_cast<int>(line->selectedText().size()) : 0;

  if (kind != Key_Kind::Character) {
    const Key_Verdict verdict = Judge_Key(rule_, kind, QChar(), text, sel_start, sel_length);
    if (!verdict.pass) return true;
    if (kind == Key_Kind::Enter && rule_.on_enter) {
      // The handler may replace the rule or close the window: copy it first.
      const auto on_enter = rule_.on_enter;
      on_enter();
      return true;
    }
    return false;
  }

  // A key normally carries one character; one carrying several (a compose
  // sequence) passes only when all of them do, each judged as if the ones
  // before it had been typed.
  QString taken;
  QString now = text;
  int start = sel_start, length = sel_length;
  for (const QChar ch : typed) {
    const Key_Verdict verdict = Judge_Key(rule_, kind, ch, now, start, length);
    if (!verdict.pass) return true;
    taken += verdict.ch;
    now = After_Selection(now, start, length, kind, verdict.ch);
    start += 1;
    length = 0;
  }
  if (taken == typed) return false;
  // The box takes the mapped characters in place of the typed ones.
  QKeyEvent mapped(QEvent::KeyPress, key->key(), key->modifiers(), taken, key->isAutoRepeat(), key->count());
  const QPointer<Key_Filter> self(this);
  resending_ = true;
  QCoreApplication::sendEvent(target_, &mapped);
  if (self) resending_ = false;
  return true;
}

}  // namespace zv
