// The report of an unrecoverable error. The engine calls it when memory for a
// result cannot be obtained; each program supplies its own way of showing it
// (a message box in the window program, standard error in the console one),
// and then the process ends with exit code -1.
#pragma once

#include <cstdint>

#include "engine/text.h"

[[noreturn]] void ReportFatalError(const Text& message, int32_t code);

// The report's text: "运行时出错!", two line breaks, then "错误代码：" with the
// code and two line breaks when the code is not 0, then "错误信息：" with the
// message and one line break when the message is not empty ("\r\n" breaks).
Text FatalErrorText(const Text& message, int32_t code);

// "分配 N 字节内存失败!": the message for memory that could not be obtained.
Text AllocationFailureMessage(std::size_t byteCount);
