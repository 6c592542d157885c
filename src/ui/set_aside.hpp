#pragma once
// The question before work not yet saved is set aside (by closing, New or opening another file).
#include <functional>
#include <string_view>

#include "ui/ui.hpp"

namespace ui {

// True when the caller may go on: nothing was unsaved, the person chose No (discard), or chose
// Yes and the save left nothing unsaved. Cancel, or a save that failed, keeps the work.
inline bool maySetAside(Ui& ui, std::string_view question, const std::function<bool()>& unsaved,
                        const std::function<void()>& save) {
  if (!unsaved()) return true;
  switch (ui.ask(question, Buttons::YesNoCancel)) {
    case Answer::Yes:
      save();
      return !unsaved();
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

}  // namespace ui
