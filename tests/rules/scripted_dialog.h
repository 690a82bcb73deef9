// The rules' dialogs as the player works them, without the library's dialog manager
// (it needs a display and a timer): each showing of a dialog runs the next scripted
// step, which may change the items as clicks would and answers the item that closed
// the dialog (negative for Escape).
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "rules/options_dialog.h"

using DialogStep = std::function<int(DIALOG* items)>;

class ScriptedDialogs {
 public:
  ScriptedDialogs() : saved_(RunRulesDialog) {
    Current() = this;
    RunRulesDialog = Run;
  }
  ~ScriptedDialogs() {
    RunRulesDialog = saved_;
    Current() = nullptr;
  }
  void Script(std::vector<DialogStep> steps) {
    steps_ = std::move(steps);
    showings = 0;
    titles.clear();
  }

  int showings = 0;
  std::vector<std::string> titles;  // the title of each dialog shown, in order

 private:
  static ScriptedDialogs*& Current() {
    static ScriptedDialogs* current = nullptr;
    return current;
  }
  static int Run(DIALOG* items, int focus) {
    ScriptedDialogs& me = *Current();
    me.titles.push_back(items[0].dp ? static_cast<const char*>(items[0].dp) : "");
    if (me.showings >= static_cast<int>(me.steps_.size())) {
      ADD_FAILURE() << "a dialog was shown more often than scripted";
      return -1;
    }
    return me.steps_[me.showings++](items);
  }

  std::vector<DialogStep> steps_;
  DialogRunner saved_;
};

// A step that only closes the dialog with an item.
inline DialogStep Press(int item) {
  return [item](DIALOG*) { return item; };
}
