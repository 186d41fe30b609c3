#include "windows/window.h"

#include "windows/windows.h"

void Window::Layout(Windows& windows) {
  if (shape_.base) LoadBase(windows, shape_.base);
}

void Window::LoadBase(Windows& windows, const std::string& name) const {
  windows.Surfaces().LoadBase(windows.game(), name, Width(), Height());
}
