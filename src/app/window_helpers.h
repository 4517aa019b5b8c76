#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "platform/class_record.h"
#include "platform/picture.h"
#include "platform/window.h"

// What every window class of Corvane does the same way: control accessors, and the values a
// window sets in code on a new control before its record is applied.
namespace corvane {

// The window's control of that name as its class, looked up anew on every call.
template <class T>
std::shared_ptr<T> ControlNamed(const platform::Window& window, const std::string& name) {
  return platform::RuntimeCheckCast<T>(window._ControlByName(name));
}

// Sets TextSize and then the default TextUnit, each on a fresh lookup of the control.
template <class W, class C>
std::function<void()> TextSizeInCode(W* window, std::shared_ptr<C> (W::*accessor)(), float size) {
  return [window, accessor, size] {
    (window->*accessor)()->SetTextSize(size);
    (window->*accessor)()->SetTextUnit(0);
  };
}

// Sets the canvas's backdrop to the picture its accessor gives (nil leaves the canvas blank).
template <class W>
std::function<void()> BackdropInCode(W* window, std::shared_ptr<platform::Canvas> (W::*accessor)(),
                                     std::shared_ptr<platform::Picture> (*picture)()) {
  return [window, accessor, picture] { (window->*accessor)()->SetBackdrop(picture()); };
}

}  // namespace corvane
