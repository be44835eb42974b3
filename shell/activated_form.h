// The activation of a child window, for the forms that refresh on it.
#pragma once

namespace zv {

// A form inside a child window of the main window implements this to have its
// Form_Activate run each time its window becomes the active child window: the
// first time right after its load handler has returned, then whenever the
// user or code (Window_Registry::Show, the closing of the active sibling)
// makes another child window the active one. The same window activated again
// is no activation: a message box closing, the program regaining the focus
// from another program or from a window of its own. Neither are the siblings
// that become active while the main window closes them all.
class Activated_Form {
 public:
  virtual ~Activated_Form() = default;
  virtual void Form_Activate() = 0;
};

}  // namespace zv
