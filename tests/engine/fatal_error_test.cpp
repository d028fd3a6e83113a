// The fatal error report: its GBK texts, and the console programs' way of
// showing it (standard error, exit code -1).
#include <gtest/gtest.h>

#include "engine/fatal_error.h"

namespace {

// "运行时出错!", "错误代码：", "错误信息：" and "分配 ... 字节内存失败!" in GBK.
#define RUNTIME_ERROR "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!"
#define ERROR_CODE "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"
#define ERROR_MESSAGE "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"

TEST(FatalErrorTest, TextHoldsTheCodeAndMessageOnlyWhenGiven) {
  struct Case {
    const char* message;
    int32_t code;
    const char* expected;
  };
  const Case cases[] = {
      {"", 0, RUNTIME_ERROR "\r\n\r\n"},
      {"m", 0, RUNTIME_ERROR "\r\n\r\n" ERROR_MESSAGE "m\r\n"},
      {"", -7, RUNTIME_ERROR "\r\n\r\n" ERROR_CODE "-7\r\n\r\n"},
      {"m", 3, RUNTIME_ERROR "\r\n\r\n" ERROR_CODE "3\r\n\r\n" ERROR_MESSAGE "m\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.message << "\" " << c.code);
    EXPECT_EQ(FatalErrorText(c.message, c.code).view(), c.expected);
  }
}

TEST(FatalErrorTest, AllocationFailureMessageNamesTheByteCount) {
  EXPECT_EQ(AllocationFailureMessage(1024000).view(),
            "\xB7\xD6\xC5\xE4 1024000 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
  // Counts beyond the 32-bit signed range are written as they are.
  EXPECT_EQ(AllocationFailureMessage(4294967295u).view(),
            "\xB7\xD6\xC5\xE4 4294967295 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
}

#ifdef _WIN32
constexpr int kExitCodeMinusOne = -1;
#else
constexpr int kExitCodeMinusOne = 255;  // POSIX keeps the low 8 bits
#endif

TEST(FatalErrorDeathTest, ConsoleReportWritesTheTextAndExitsWithMinusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ReportFatalError("boom", 9), testing::ExitedWithCode(kExitCodeMinusOne),
              "boom");
}

}  // namespace
