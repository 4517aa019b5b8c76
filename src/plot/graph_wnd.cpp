#include "plot/graph_wnd.h"

#include "analysis/control_wnd.h"
#include "platform/core/user_interaction.h"
#include "platform/graphics/clipboard.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/picture_export.h"
#include "platform/printing/printer_dialog.h"
#include "platform/text/text_functions.h"
#include "plot/scree_plot.h"
#include "shared/module1.h"

namespace corvane {

namespace {

// The printed plot: 90 % of the 600 x 420 picture, so it keeps its proportions, a little in from
// the printable area's left edge and well below its top.
constexpr int32_t kPrintLeft = 20;
constexpr int32_t kPrintTop = 100;
constexpr int32_t kPrintWidth = 540;
constexpr int32_t kPrintHeight = 378;

}  // namespace

void GraphWnd::Canvas1_Open(std::shared_ptr<platform::Canvas> /*canvas*/) {
  Canvas1()->SetBackdrop(DrawScreePlot(Canvas1()->Width(), Canvas1()->Height()));
  Module1::dirty = "y";
}

void GraphWnd::CloseBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  if (platform::StrComp(Module1::dirty, "y") == 0) {
    int32_t answer = platform::MsgBox("Are you sure you want to erase this graph",
                                      platform::kMsgBoxYesNoQuestion, "");
    if (answer != platform::kMsgBoxYes) {
      platform::Beep();
      Module1::dirty = "y";
      return;
    }
    Module1::dirty = "";
  }
  Instance()->Close();
  ControlWnd::Instance()->Show();
}

void GraphWnd::CopyBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  auto clipboard = platform::RuntimeCheckCast<platform::Clipboard>(
      platform::RuntimeNewObject(platform::Clipboard::Lookup()));
  clipboard->SetPicture(Canvas1()->Backdrop());
  clipboard->Close();
  platform::MsgBox("Copied to clipboard");
}

void GraphWnd::SaveBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  platform::ExportPicture(Canvas1()->Backdrop());
  Module1::dirty = "";
}

void GraphWnd::PrintBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  std::shared_ptr<platform::Graphics> g = platform::OpenPrinterDialog();
  if (!g) return;
  std::shared_ptr<platform::Picture> p = Canvas1()->Backdrop();
  const platform::Picture& picture = platform::NotNil(p);
  g->DrawPicture(p, kPrintLeft, kPrintTop, kPrintWidth, kPrintHeight, 0, 0, picture.Width(),
                 picture.Height());
}

}  // namespace corvane
