#include "ui/common/input_box.h"

#include "resources/resource_ids.h"
#include "ui/common/dialog_base.h"

namespace quillet {

namespace {

class InputBox : public DialogBase {
 public:
  InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText)
      : DialogBase(IDD_INPUTBOX), prompt_(prompt), title_(title), defaultText_(defaultText) {}
  const std::string& Answer() const { return answer_; }

 protected:
  bool OnInit() override {
    SetWindowTextA(Handle(), title_.c_str());
    SetItemText(IDC_INPUT_PROMPT, prompt_);
    SetItemText(IDC_INPUT_ANSWER, defaultText_);
    SendMessageA(Item(IDC_INPUT_ANSWER), EM_SETSEL, 0, -1);
    SetFocus(Item(IDC_INPUT_ANSWER));
    return false;  // the focus has been set
  }
  bool OnCommand(int id, int code, HWND control) override {
    if (id != IDOK) return DialogBase::OnCommand(id, code, control);
    answer_ = ItemText(IDC_INPUT_ANSWER);
    Close(IDOK);
    return true;
  }

 private:
  const std::string& prompt_;
  const std::string& title_;
  const std::string& defaultText_;
  std::string answer_;
};

}  // namespace

std::optional<std::string> ShowInputBox(HWND owner, const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) {
  InputBox box(prompt, title, defaultText);
  if (box.ShowModal(owner) != IDOK) return std::nullopt;
  return box.Answer();
}

}  // namespace quillet
