#pragma once

#include <cctype>
#include <memory>
#include <string>

#include "platform/graphics/graphics.h"
#include "platform/graphics/picture.h"
#include "platform/text_area/styled_text_printer.h"
#include "platform/text_area/text_area.h"

// What a printed text should come to, worked out without a printer.
namespace testing_support {

// The number of 540 x 720 blocks the area's text takes, drawn on a picture: the pages a job of it
// must fill.
inline int BlocksOfText(const platform::TextArea& area) {
  auto page = platform::NewPicture(540, 720, 32);
  auto printer =
      area.styledTextPrinter(std::shared_ptr<platform::Graphics>(page, &page->Graphics()), 540);
  int blocks = 0;
  while (!printer->Eof() && blocks < 1000) {
    printer->DrawBlock(0, 0, 720);
    ++blocks;
  }
  return blocks;
}

// The text without its blanks, line breaks and page breaks: what must come out of a printer in the
// same order, however the lines were wrapped.
inline std::string Ink(const std::string& text) {
  std::string ink;
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) ink += c;
  }
  return ink;
}

}  // namespace testing_support
