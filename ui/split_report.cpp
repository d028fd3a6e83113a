#include "ui/split_report.h"

#include <string>

#include "engine/file_system.h"

namespace {

// "（reason）" after a failure, or nothing when no code was kept (0 would read
// as success) or the system has no text for it.
std::string Reason(SystemError error) {
  if (error.code == 0) return {};
  const Text text = SystemErrorText(error);
  return text.empty() ? std::string() : "（" + std::string(text.view()) + "）";
}

std::string PartsFailed(const std::vector<PartFailure>& failedParts) {
  const PartFailure& first = failedParts.front();
  const std::string reason = first.reason == PartFailure::Reason::WouldReplaceSource
                                 ? "（分割文件会覆盖被分割的文件）"
                                 : Reason(first.error);
  return "有 " + std::to_string(failedParts.size()) + " 个分割文件未能写入" + reason;
}

// One line for a source that was not split completely: its path, then what
// went wrong.
std::string FailureLine(const SourceOutcome& source) {
  const SplitOutcome& outcome = source.outcome;
  std::string problems;
  switch (outcome.result) {
    case SplitOutcome::Result::CannotOpen:
      problems = "无法打开" + Reason(outcome.error);
      break;
    case SplitOutcome::Result::InvalidChunkSize:
      problems = "分割大小无效";
      break;
    case SplitOutcome::Result::ReadFailed:
      problems = "读取出错" + Reason(outcome.error);
      break;
    case SplitOutcome::Result::Split:
      break;
  }
  if (!outcome.failedParts.empty()) {
    problems += (problems.empty() ? "" : "；") + PartsFailed(outcome.failedParts);
  }
  return std::string(source.path.view()) + "：" + problems;
}

}  // namespace

Text SplitReport(const std::vector<SourceOutcome>& outcomes) {
  std::string report = "分割完毕";
  std::size_t failures = 0;
  for (const SourceOutcome& source : outcomes) {
    if (source.outcome.Complete()) continue;
    if (failures == 0) report += "，以下文件未能完成：";
    if (failures < kListedFailures) report += "\r\n" + FailureLine(source);
    ++failures;
  }
  if (failures > kListedFailures) {
    report += "\r\n……另有 " + std::to_string(failures - kListedFailures) + " 个文件未能完成";
  }
  return Text(report);
}
