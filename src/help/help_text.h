#pragma once

// The help window's text: the method, how to enter data, a worked example with Corvane's output,
// a caution, references and the owner's notices. One paragraph per line, lines separated by a
// carriage return alone, plain ASCII, no line end after the last line.
namespace corvane {

extern const char kHelpText[];

}  // namespace corvane
