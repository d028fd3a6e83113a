// The texts of the fatal error report; showing it is each program's own.
#include "engine/fatal_error.h"

#include <string>

Text FatalErrorText(const Text& message, int32_t code) {
  Text codeLine =
      code != 0 ? ConcatTexts({"错误代码：", IntToText(code), "\r\n\r\n"}) : Text();
  Text messageLine = message.empty() ? Text() : ConcatTexts({"错误信息：", message, "\r\n"});
  return ConcatTexts({"运行时出错!\r\n\r\n", codeLine, messageLine});
}

Text AllocationFailureMessage(std::size_t byteCount) {
  return ConcatTexts({"分配 ", std::to_string(byteCount), " 字节内存失败!"});
}
