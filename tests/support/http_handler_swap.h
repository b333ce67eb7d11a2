#pragma once
// Puts url_recorder.exe in the place of the browser for http while it lives: the recorder writes
// the address it was given to the file named by QUILLET_URL_RECORDER_OUT.

#include <optional>
#include <string>

namespace quillet::testing {

class HttpHandlerSwap {
 public:
  HttpHandlerSwap();
  HttpHandlerSwap(const HttpHandlerSwap&) = delete;
  HttpHandlerSwap& operator=(const HttpHandlerSwap&) = delete;
  ~HttpHandlerSwap();

 private:
  std::optional<std::string> previous_;
};

}  // namespace quillet::testing
