#pragma once

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "platform/core/color.h"
#include "platform/graphics/picture.h"

// Reads printed PDF files back through poppler's command-line tools.
namespace testing_support {

// The text without its blanks, line breaks and page breaks: what must come out of a printer in the
// same order, however the lines were wrapped.
inline std::string Ink(const std::string& text) {
  std::string ink;
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) ink += c;
  }
  return ink;
}

// What a command prints on its standard output.
inline std::string CommandOutput(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return output;
  char buffer[4096];
  size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) output.append(buffer, count);
  return output;
}

inline std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// The number of pages, 0 when the file is no readable PDF.
inline int PdfPageCount(const std::string& path) {
  std::string info = CommandOutput("pdfinfo " + Quoted(path) + " 2>/dev/null");
  auto at = info.find("Pages:");
  if (at == std::string::npos) return 0;
  return std::stoi(info.substr(at + 6));
}

// The page size in points, as "612 x 792".
inline std::string PdfPageSize(const std::string& path) {
  std::string info = CommandOutput("pdfinfo " + Quoted(path) + " 2>/dev/null");
  auto at = info.find("Page size:");
  if (at == std::string::npos) return "";
  auto start = info.find_first_not_of(' ', at + 10);
  auto end = info.find(" pts", start);
  return info.substr(start, end - start);
}

// The text of every page, laid out as on the page.
inline std::string PdfText(const std::string& path) {
  return CommandOutput("pdftotext -layout " + Quoted(path) + " - 2>/dev/null");
}

// One page rendered at 72 pixels per inch, one pixel per point; nil when it cannot be rendered.
inline std::shared_ptr<platform::Picture> RenderPdfPage(const std::string& path, int page) {
  std::string stem = path + ".page" + std::to_string(page);
  std::string command = "pdftoppm -r 72 -png -singlefile -f " + std::to_string(page) + " -l " +
                        std::to_string(page) + " " + Quoted(path) + " " + Quoted(stem) +
                        " 2>/dev/null";
  if (std::system(command.c_str()) != 0) return nullptr;
  auto picture = platform::Picture::Open(stem + ".png");
  std::filesystem::remove(stem + ".png");
  return picture;
}

// How many pixels of a rendered page carry ink (are not white), and how many of those are in
// colour: a page printed in gray has red, green and blue equal in every pixel.
struct PageInk {
  int marked = 0;
  int coloured = 0;
};

inline PageInk InkOn(const platform::Picture& page) {
  PageInk ink;
  for (int32_t y = 0; y < page.Height(); ++y) {
    for (int32_t x = 0; x < page.Width(); ++x) {
      const platform::Color pixel = page.PixelColor(x, y);
      if (pixel != platform::RGB(255, 255, 255)) ++ink.marked;
      if (pixel.Red() != pixel.Green() || pixel.Green() != pixel.Blue()) ++ink.coloured;
    }
  }
  return ink;
}

// The first picture embedded in the page as the file holds it, and how it is encoded ("jpeg",
// "image" for a lossless one), as pdfimages lists it; nil and "" when there is none.
inline std::shared_ptr<platform::Picture> PdfEmbeddedPicture(const std::string& path,
                                                             std::string& encoding) {
  std::string list = CommandOutput("pdfimages -list " + Quoted(path) + " 2>/dev/null");
  encoding = "";
  auto row = list.find("\n", list.find("\n---") + 1);
  if (row == std::string::npos) return nullptr;
  // page num type width height color comp bpc enc ...: the ninth column
  std::istringstream columns(list.substr(row + 1));
  for (int column = 0; column < 9; ++column) columns >> encoding;
  std::string stem = path + ".image";
  if (std::system(("pdfimages -png -l 1 " + Quoted(path) + " " + Quoted(stem)).c_str()) != 0) {
    return nullptr;
  }
  auto picture = platform::Picture::Open(stem + "-000.png");
  std::filesystem::remove(stem + "-000.png");
  return picture;
}

}  // namespace testing_support
