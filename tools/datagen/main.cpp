// The data generator: makes the program's whole data tree under a folder.
//
//   datagen <folder> [module ...]       generate (all modules, or the named ones), then check
//   datagen --check <folder> [module ...] only check what is there
//   --sheets <dir> (before the folder)  then write contact sheets of the tree's word pictures into dir
//   datagen --draw <file.png> <name> ...  render words' pictures (by key), drawings (by name) or emoji (code points)
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <set>
#include <string>
#include <vector>

#include "tools/datagen/Modules.h"
#include "tools/datagen/WordPictures.h"

int main(int argc, char** argv) {
  try {
    if (argc >= 4 && std::strcmp(argv[1], "--draw") == 0) {
      if (datagen::words::RenderToPng(std::vector<std::string>(argv + 3, argv + argc), argv[2])) return 0;
      std::fprintf(stderr, "datagen: a name is neither a word nor a drawing\n");
      return 1;
    }
    int first = 1;
    bool checkOnly = false;
    std::string sheets;
    for (; first < argc; ++first) {
      if (std::strcmp(argv[first], "--check") == 0) checkOnly = true;
      else if (std::strcmp(argv[first], "--sheets") == 0 && first + 1 < argc) sheets = argv[++first];
      else break;
    }
    if (argc <= first) {
      std::fprintf(stderr,
                   "usage: datagen [--check] [--sheets <dir>] <folder> [module ...]\n"
                   "       datagen --draw <file.png> <word key or drawing name> ...\n");
      return 2;
    }
    datagen::Tree tree(argv[first]);
    std::set<std::string> only(argv + first + 1, argv + argc);
    int problems = 0;
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
    if (!sheets.empty())
      for (const std::string& file : datagen::words::WriteContactSheets(tree, sheets)) std::printf("%s\n", file.c_str());
    return problems == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "datagen: %s\n", e.what());
    return 1;
  }
}
