// Entry of the app tests: the program's own application object, on the offscreen platform
// unless another is chosen, so that the tests install their hooks where the program keeps them.
#include <gtest/gtest.h>
#include <cstdlib>

#include "app/shell/zudira_application.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  zudira::ZudiraApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
