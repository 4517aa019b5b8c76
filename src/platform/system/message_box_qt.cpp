#include "platform/system/message_box_qt.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QIcon>
#include <QSpacerItem>
#include <QTextBoundaryFinder>

#include "platform/system/application_display_name.h"
#include "platform/windows/window_last_worked_in_qt.h"

namespace platform {
namespace {

// Room the window manager's title bar takes besides the title: its buttons and margins.
constexpr int kTitleBarButtonsRoom = 120;
// A word up to this long always fits a box's line; a longer one may not, and the box breaks lines
// only between words.
constexpr qsizetype kLongestWordKeptWhole = 30;
// Breaks a line where it must and shows nothing.
constexpr char16_t kZeroWidthSpace = u'\u200B';

// The text with a zero-width space between the characters of every word too long to be sure of a
// line, so that the box may break it anywhere.
QString BreakableAnywhereInLongWords(const QString& text) {
  QString shown;
  qsizetype start = 0;
  while (start < text.size()) {
    const bool blank = text[start].isSpace();
    qsizetype end = start;
    while (end < text.size() && text[end].isSpace() == blank) ++end;
    const QString run = text.mid(start, end - start);
    start = end;
    if (blank || run.size() <= kLongestWordKeptWhole) {
      shown += run;
      continue;
    }
    // Between characters as a reader counts them, never inside one (an accent, a surrogate pair).
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, run);
    qsizetype from = 0;
    for (qsizetype to = characters.toNextBoundary(); to > 0; to = characters.toNextBoundary()) {
      if (from > 0) shown += kZeroWidthSpace;
      shown += run.mid(from, to - from);
      from = to;
    }
  }
  return shown;
}

}  // namespace

ProgramMessageBox::ProgramMessageBox(Icon icon, const std::string& text, StandardButtons buttons,
                                     const std::string& title)
    : QMessageBox(icon, QString(), BreakableAnywhereInLongWords(QString::fromStdString(text)),
                  buttons, WindowLastWorkedIn()) {
  setWindowTitle(QString::fromStdString(title.empty() ? ApplicationDisplayName() : title));
  for (QAbstractButton* button : this->buttons()) button->setIcon(QIcon());
  const int needed = fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarButtonsRoom;
  // The box sizes itself to its layout when shown, so the room goes into the layout.
  if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    setMinimumWidth(needed);
  }
}

}  // namespace platform
