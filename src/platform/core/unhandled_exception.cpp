#include "platform/core/unhandled_exception.h"

#include <cstdio>

#include "platform/core/exceptions.h"
#include "platform/core/user_interaction.h"

namespace platform {

std::string UnhandledExceptionText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeException& exception) {
    return std::string("Unhandled ") + exception.ClassName() + ": " + exception.what();
  } catch (const std::exception& exception) {
    return std::string("Unhandled exception: ") + exception.what();
  } catch (...) {
    return "Unhandled exception";
  }
}

void ReportUnhandledException(std::exception_ptr error) {
  std::string text = UnhandledExceptionText(error);
  try {
    CurrentUserInteraction().ShowMessage(text);
  } catch (...) {
    // The message box itself failed; the standard error stream is all that is left.
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

bool RunReportingExceptions(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (...) {
    ReportUnhandledException(std::current_exception());
    return false;
  }
}

}  // namespace platform
