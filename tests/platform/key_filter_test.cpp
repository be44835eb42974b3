// Key filters: which keys a box takes, by the fields' character sets and
// limits, and how the filter behaves on a real box (mapping, Enter, Delete,
// selections, pasting).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "platform/key_filter.h"

namespace zv {
namespace {

// The rules of the program's filtered fields.
Key_Rule Tone_Box() {  // a decode tone: digits and point, at most 7 typed
  Key_Rule r;
  r.allowed = Chars("0123456789.");
  r.limit = 7;
  r.measure = Limit_Measure::Trimmed;
  r.backspace = Backspace_Rule::Discarded;
  return r;
}
Key_Rule Dtmf_Code_Box() {  // DTMF characters, at most 16, Backspace discarded
  Key_Rule r;
  r.allowed = Chars("0123456789abcdABCD*#");
  r.limit = 16;
  r.measure = Limit_Measure::Trimmed;
  r.backspace = Backspace_Rule::Discarded;
  return r;
}
Key_Rule Code_Field() {  // any character, whole text at most 16
  Key_Rule r;
  r.limit = 16;
  r.backspace = Backspace_Rule::Refused_When_Full;
  return r;
}
Key_Rule Text_Half() {  // any character, 8 without the outer blanks
  Key_Rule r;
  r.limit = 8;
  r.measure = Limit_Measure::Trimmed;
  r.backspace = Backspace_Rule::Refused_When_Full;
  return r;
}
Key_Rule Password() {  // 6 without the outer blanks, Backspace always
  Key_Rule r;
  r.limit = 6;
  r.measure = Limit_Measure::Trimmed;
  return r;
}
Key_Rule Tone_Combo() {  // tone numbers and codes, d n i as capitals
  Key_Rule r;
  r.allowed = Chars("0123456789.DNI");
  r.upper_case = true;
  r.backspace = Backspace_Rule::Discarded;
  return r;
}

constexpr auto C = Key_Kind::Character;
constexpr auto B = Key_Kind::Backspace;
constexpr auto E = Key_Kind::Enter;

struct Judge_Case {
  const char *what;
  Key_Rule (*rule)();
  Key_Kind kind;
  char ch;
  const char *text;
  int sel_start, sel_length;
  bool pass;
  char taken;  // the character the box takes, when it passes
};

TEST(Key_Filter, JudgesKeysBySetLimitAndBackspaceRule) {
  const Judge_Case cases[] = {
      {"tone: digit", Tone_Box, C, '7', "12", 0, 0, true, '7'},
      {"tone: point", Tone_Box, C, '.', "12", 0, 0, true, '.'},
      {"tone: letter", Tone_Box, C, 'a', "12", 0, 0, false, 0},
      {"tone: minus", Tone_Box, C, '-', "", 0, 0, false, 0},
      {"tone: backspace", Tone_Box, B, 0, "12", 0, 0, false, 0},
      {"tone: seventh character", Tone_Box, C, '5', "123456", 0, 0, true, '5'},
      {"tone: eighth character", Tone_Box, C, '5', "1234567", 0, 0, false, 0},
      {"tone: outer blanks not counted", Tone_Box, C, '5', "  123456  ", 0, 0, true, '5'},
      {"tone: enter", Tone_Box, E, 0, "12", 0, 0, true, 0},
      {"tone: enter when full", Tone_Box, E, 0, "1234567", 0, 0, false, 0},
      {"dtmf: lower-case letter kept", Dtmf_Code_Box, C, 'a', "", 0, 0, true, 'a'},
      {"dtmf: star", Dtmf_Code_Box, C, '*', "1", 0, 0, true, '*'},
      {"dtmf: letter beyond D", Dtmf_Code_Box, C, 'E', "1", 0, 0, false, 0},
      {"dtmf: blank", Dtmf_Code_Box, C, ' ', "1", 0, 0, false, 0},
      {"dtmf: sixteenth", Dtmf_Code_Box, C, '1', "123456789012345", 0, 0, true, '1'},
      {"dtmf: seventeenth", Dtmf_Code_Box, C, '1', "1234567890123456", 0, 0, false, 0},
      {"dtmf: full, over a selection", Dtmf_Code_Box, C, '1', "1234567890123456", 3, 2, false, 0},
      {"dtmf: backspace with a selection", Dtmf_Code_Box, B, 0, "12", 0, 2, false, 0},
      {"dtmf: enter when full", Dtmf_Code_Box, E, 0, "1234567890123456", 0, 0, false, 0},
      {"code: any character", Code_Field, C, 'X', "12", 0, 0, true, 'X'},
      {"code: backspace", Code_Field, B, 0, "12", 0, 0, true, 0},
      {"code: full", Code_Field, C, '1', "123456789012345 ", 0, 0, false, 0},
      {"code: full counts blanks", Code_Field, C, '1', "  34567890123456", 0, 0, false, 0},
      {"code: backspace when full", Code_Field, B, 0, "1234567890123456", 0, 0, false, 0},
      {"code: backspace on a selection when full", Code_Field, B, 0, "1234567890123456", 4, 3, true, 0},
      {"code: key over a selection when full", Code_Field, C, 'X', "1234567890123456", 4, 1, true, 'X'},
      {"code: enter over a selection when full", Code_Field, E, 0, "1234567890123456", 4, 1, false, 0},
      {"half: eighth", Text_Half, C, 'H', "ABCDEFG", 0, 0, true, 'H'},
      {"half: ninth", Text_Half, C, 'I', "ABCDEFGH", 0, 0, false, 0},
      {"half: blank after eight", Text_Half, C, ' ', "ABCDEFGH", 0, 0, false, 0},
      {"half: inner key over a selection", Text_Half, C, 'I', "ABCDEFGH", 7, 1, true, 'I'},
      {"half: selection that would grow the text", Text_Half, C, 'I', "ABCDEFGH ", 8, 1, false, 0},
      {"password: seventh", Password, C, 'g', "abcdef", 0, 0, false, 0},
      {"password: backspace when full", Password, B, 0, "abcdef", 0, 0, true, 0},
      {"password: over a selection when full", Password, C, 'g', "abcdef", 0, 3, false, 0},
      {"tone combo: d as D", Tone_Combo, C, 'd', "", 0, 0, true, 'D'},
      {"tone combo: n as N", Tone_Combo, C, 'n', "D023", 0, 0, true, 'N'},
      {"tone combo: i as I", Tone_Combo, C, 'i', "D023", 0, 0, true, 'I'},
      {"tone combo: O", Tone_Combo, C, 'O', "", 0, 0, false, 0},
      {"tone combo: f", Tone_Combo, C, 'f', "", 0, 0, false, 0},
      {"tone combo: blank", Tone_Combo, C, ' ', "", 0, 0, false, 0},
      {"tone combo: backspace", Tone_Combo, B, 0, "67", 0, 0, false, 0},
      {"tone combo: enter", Tone_Combo, E, 0, "67", 0, 0, true, 0},
  };
  for (const Judge_Case &c : cases) {
    SCOPED_TRACE(c.what);
    const Key_Verdict v = Judge_Key(c.rule(), c.kind, QChar(c.ch), QString::fromLatin1(c.text), c.sel_start,
                                    c.sel_length);
    EXPECT_EQ(v.pass, c.pass);
    if (c.pass && c.kind == C) { EXPECT_EQ(v.ch, QChar(c.taken)); }
  }
}

struct Box {
  explicit Box(Key_Rule rule) {
    edit.show();
    QApplication::setActiveWindow(&edit);
    edit.setFocus();
    Key_Filter::Install(&edit, std::move(rule));
  }
  QLineEdit edit;
};

TEST(Key_Filter, BoxTakesOnlyItsCharactersAndDeleteStillEdits) {
  Box box(Tone_Box());
  QTest::keyClicks(&box.edit, "1a2.-b3x45678");
  EXPECT_EQ(box.edit.text(), "12.3456");
  QTest::keyClick(&box.edit, Qt::Key_Backspace);
  EXPECT_EQ(box.edit.text(), "12.3456");
  QTest::keyClick(&box.edit, Qt::Key_Home);
  QTest::keyClick(&box.edit, Qt::Key_Delete);
  EXPECT_EQ(box.edit.text(), "2.3456");
  QTest::keyClicks(&box.edit, "9");
  EXPECT_EQ(box.edit.text(), "92.3456");
}

TEST(Key_Filter, FullBoxIsCorrectedByDeleteAndBySelection) {
  Box box(Code_Field());
  QTest::keyClicks(&box.edit, "12345678901234567");
  EXPECT_EQ(box.edit.text(), "1234567890123456");
  QTest::keyClick(&box.edit, Qt::Key_Backspace);
  EXPECT_EQ(box.edit.text(), "1234567890123456");
  box.edit.setSelection(0, 1);
  QTest::keyClicks(&box.edit, "A");
  EXPECT_EQ(box.edit.text(), "A234567890123456");
  box.edit.setSelection(1, 2);
  QTest::keyClick(&box.edit, Qt::Key_Backspace);
  EXPECT_EQ(box.edit.text(), "A4567890123456");
  QTest::keyClick(&box.edit, Qt::Key_End);
  QTest::keyClicks(&box.edit, "BC");
  QTest::keyClick(&box.edit, Qt::Key_Home);
  QTest::keyClick(&box.edit, Qt::Key_Delete);
  EXPECT_EQ(box.edit.text(), "4567890123456BC");
}

// An editable combo as the channel grid's in-cell editor, with the tone filter.
struct In_Cell_Combo {
  In_Cell_Combo() {
    combo.setEditable(true);
    combo.addItems({"OFF", "67.0", "D023N"});
    combo.show();
    QApplication::setActiveWindow(&combo);
    combo.setFocus();
    combo.setEditText(QString());
    Key_Filter::Install(&combo, Tone_Combo());
  }
  QComboBox combo;
};

TEST(Key_Filter, LowerCaseTypedIntoAnEditableComboBecomesCapitals) {
  In_Cell_Combo cell;
  QComboBox &combo = cell.combo;
  // Keys go where the focus is, as typed keys do.
  QWidget *focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  QTest::keyClicks(focused, "d0o23n");
  EXPECT_EQ(combo.lineEdit()->text(), "D023N");
  QTest::keyClick(focused, Qt::Key_Backspace);
  EXPECT_EQ(combo.lineEdit()->text(), "D023N");
  // The arrow keys still choose from the list.
  combo.setCurrentIndex(0);
  QTest::keyClick(&combo, Qt::Key_Down);
  EXPECT_EQ(combo.currentIndex(), 1);
}

TEST(Key_Filter, InCellComboKeepsItsFilterThroughEditabilityChanges) {
  In_Cell_Combo cell;
  QComboBox &combo = cell.combo;
  combo.setEditable(false);  // its line edit is deleted
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  combo.setCurrentIndex(0);
  QTest::keyClick(&combo, Qt::Key_Down);
  EXPECT_EQ(combo.currentIndex(), 1);
  combo.setEditable(true);  // a new line edit
  combo.setEditText(QString());
  QTest::keyClicks(&combo, "x1i");
  EXPECT_EQ(combo.lineEdit()->text(), "1I");
}

TEST(Key_Filter, EnterGoesToItsHandlerOnlyWhenItPasses) {
  int enters = 0, returns = 0;
  Key_Rule rule = Tone_Box();
  rule.on_enter = [&] { ++enters; };
  Box box(rule);
  QObject::connect(&box.edit, &QLineEdit::returnPressed, [&] { ++returns; });
  QTest::keyClicks(&box.edit, "12");
  QTest::keyClick(&box.edit, Qt::Key_Return);
  QTest::keyClick(&box.edit, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(enters, 2);
  QTest::keyClicks(&box.edit, "34567");
  QTest::keyClick(&box.edit, Qt::Key_Return);
  EXPECT_EQ(enters, 2);
  EXPECT_EQ(returns, 0);
  EXPECT_EQ(box.edit.text(), "1234567");
}

TEST(Key_Filter, RuleOfAnInCellEditorChangesWithTheCell) {
  Box box(Key_Rule{});
  auto *filter = box.edit.findChild<Key_Filter *>();
  ASSERT_NE(filter, nullptr);
  QTest::keyClicks(&box.edit, "ab");
  filter->Set_Rule(Tone_Box());
  QTest::keyClicks(&box.edit, "c1");
  filter->Set_Rule(Key_Rule{});
  QTest::keyClicks(&box.edit, "d");
  EXPECT_EQ(box.edit.text(), "ab1d");
}

TEST(Key_Filter, PastingPassesTheFilterAndAWholeTextLimitCutsIt) {
  struct Case {
    const char *what;
    Key_Rule (*rule)();
    const char *pasted;
    const char *expect;
  };
  const Case cases[] = {
      {"whole-text limit", Code_Field, "12345678901234567890", "1234567890123456"},
      {"trimmed limit: the codec cuts", Text_Half, "ABCDEFGHIJ", "ABCDEFGHIJ"},
      {"character set: not a key", Tone_Box, "1x2", "1x2"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Box box(c.rule());
    QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
    box.edit.paste();
    EXPECT_EQ(box.edit.text(), QString::fromLatin1(c.expect));
  }
}

}  // namespace
}  // namespace zv
