#include "shared/module1.h"

namespace corvane::Module1 {

namespace {

constexpr int32_t kInitialRowUpperBound = 99;
constexpr int32_t kInitialColumnUpperBound = 3;

}  // namespace

std::string dirty;
int32_t gN = 0;
std::shared_ptr<platform::DoubleArray2D> gArray;
double gCV = 0.0;
int32_t newlinecolor = 0;

void Initialize() {
  dirty = "";
  gN = 0;
  gArray =
      std::make_shared<platform::DoubleArray2D>(kInitialRowUpperBound, kInitialColumnUpperBound);
  gCV = 0.0;
  newlinecolor = 0;
}

void Finalize() {
  dirty = std::string();
  gArray.reset();
}

}  // namespace corvane::Module1
