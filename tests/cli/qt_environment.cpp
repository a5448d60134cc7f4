#include <gtest/gtest.h>

#include "support/qt_application.h"

namespace tavrel {
namespace {

// The tool measures chart fonts through Qt, as its main() provides the application object.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { testing::QtApplication(); }
};

const ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
}  // namespace tavrel
