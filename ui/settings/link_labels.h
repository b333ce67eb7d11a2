#pragma once
// Labels whose text is the address they open. They are drawn underlined in the link colour, sized
// to their text; over them the pointer is a globe for a web address and an envelope for a mail
// address; a click asks the shell to open the address, owned by the dialog.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ui/common/scoped_ui_handles.h"
#include "ui/common/shell_launcher.h"

namespace quillet {

struct LinkLabel {
  int control;
  std::string address;  // as shown: a web address, or a mail address without "mailto:"
  std::string subject;  // mail addresses only: the subject line the new mail starts with
};

// What the shell is asked to open: the web address, or "mailto:" with the subject encoded.
std::string LinkTarget(const LinkLabel& link);

class LinkLabels {
 public:
  LinkLabels(ShellLauncher& shell, std::vector<LinkLabel> links);

  // After the dialog's controls exist: writes the addresses into the labels and styles them, and
  // also `windowLinks`, labels that open a window of the program (they get the hand pointer).
  void Init(HWND dialog, std::initializer_list<int> windowLinks = {});
  // A click on an address: opened, and true.
  bool OnCommand(HWND dialog, int id, int code);
  // The links' colour and pointers; true when handled.
  bool OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

 private:
  const LinkLabel* Find(int control) const;
  bool IsLink(int control) const;

  ShellLauncher& shell_;
  std::vector<LinkLabel> links_;
  std::vector<int> windowLinks_;
  ScopedFont font_;
};

}  // namespace quillet
