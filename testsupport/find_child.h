// The named child of a window, with a test failure when it is missing.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

namespace zudira {

template <typename T>
T* Find(QWidget& form, const char* name) {
  T* child = form.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace zudira
