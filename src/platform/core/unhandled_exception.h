#pragma once

#include <exception>
#include <functional>
#include <string>

namespace platform {

// The text shown for an exception that left a handler: "Unhandled NilObjectException: Nil object".
std::string UnhandledExceptionText(std::exception_ptr error);

// Shows the text through the current user-interaction provider. Never raises: this runs where
// the framework dispatched an event, and nothing may escape into Qt from there.
void ReportUnhandledException(std::exception_ptr error);

// Runs a handler the framework dispatches; an exception that leaves it is reported and the
// program goes on. Returns false when the handler failed.
bool RunReportingExceptions(const std::function<void()>& handler);

}  // namespace platform
