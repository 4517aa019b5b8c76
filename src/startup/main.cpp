#include "startup/startup.h"

int main(int argc, char** argv) {
  return corvane::Main(argc, argv);
}
