// The data generator: makes the program's whole data tree under a folder.
//
//   datagen <folder> [module ...]       generate (all modules, or the named ones), then check
//   datagen --check <folder> [module ...] only check what is there
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <set>
#include <string>

#include "tools/datagen/Modules.h"

int main(int argc, char** argv) {
  bool checkOnly = argc > 1 && std::strcmp(argv[1], "--check") == 0;
  int first = checkOnly ? 2 : 1;
  if (argc <= first) {
    std::fprintf(stderr, "usage: datagen [--check] <folder> [module ...]\n");
    return 2;
  }
  datagen::Tree tree(argv[first]);
  std::set<std::string> only(argv + first + 1, argv + argc);
  int problems = 0;
  try {
    for (const auto& m : datagen::AllModules()) {
      if (!only.empty() && !only.count(m.name)) continue;
      auto t0 = std::chrono::steady_clock::now();
      if (!checkOnly && m.generate) m.generate(tree);
      auto t1 = std::chrono::steady_clock::now();
      std::vector<std::string> found = m.check ? m.check(tree) : std::vector<std::string>{};
      auto t2 = std::chrono::steady_clock::now();
      for (const auto& p : found) std::fprintf(stderr, "%s: %s\n", m.name.c_str(), p.c_str());
      problems += int(found.size());
      std::printf("%-12s made in %5.2f s, checked in %5.2f s%s\n", m.name.c_str(),
                  std::chrono::duration<double>(t1 - t0).count(), std::chrono::duration<double>(t2 - t1).count(),
                  found.empty() ? "" : ", with problems");
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "datagen: %s\n", e.what());
    return 1;
  }
  return problems == 0 ? 0 : 1;
}
