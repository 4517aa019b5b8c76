#pragma once

// Inside the framework only: the Qt widgets of a Window.
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

namespace platform {

class Window;

// Shared by a window and its widgets; the window clears it when it is destroyed, so a widget that
// outlives its window (it is deleted later) raises nothing.
struct WindowLink {
  Window* window = nullptr;
};

// The content area: exactly the record's Width x Height, holding the controls at their record
// positions.
class WindowContentWidget : public QWidget {
 public:
  explicit WindowContentWidget(std::shared_ptr<WindowLink> link);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::shared_ptr<WindowLink> link_;
};

// The top-level widget: an optional menu bar above the fixed-size content area, no margins.
class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(std::shared_ptr<WindowLink> link);

  WindowContentWidget& Content() const { return *content_; }
  Window* Owner() const { return link_->window; }

  // Puts the menu bar widget above the content (nullptr removes it); the old one is deleted.
  void SetMenuBarWidget(QWidget* menuBar);
  QWidget* MenuBarWidget() const { return menuBar_; }

  // A thin dark line round the window, outside the content area, for windows the window manager
  // gives no frame.
  void SetEdgeDrawn(bool drawn);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::shared_ptr<WindowLink> link_;
  QVBoxLayout* layout_;
  WindowContentWidget* content_;
  QPointer<QWidget> menuBar_;
  bool edgeDrawn_ = false;
};

}  // namespace platform
