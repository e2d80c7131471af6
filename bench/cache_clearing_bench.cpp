// Clears a cache folder of 100,000 files in 1,000 nested folders and, on an identical tree in
// the same run, times `find DIR -mindepth 1 -delete`; prints both times and their ratio.
// The goal is a ratio of at most 1.25. Several rounds run with the order alternating; the
// median counts, since a disk shared with other work makes single rounds noisy.
//   cache_clearing_bench [parent-folder] [rounds]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cache_clearing.h"

extern char** environ;

namespace {

const int kTopFolders = 10;
const int kMiddleFolders = 9;    // per top folder
const int kBottomFolders = 10;   // per middle folder: 10 + 90 + 900 = 1,000 folders
const int kFilesPerFolder = 100;  // 100,000 files

void FillFolder(const std::string& folder) {
  mkdir(folder.c_str(), 0755);
  for (int i = 0; i < kFilesPerFolder; ++i) {
    const std::string file = folder + "/cache_" + std::to_string(i);
    if (FILE* out = fopen(file.c_str(), "w")) {
      fputs("x", out);
      fclose(out);
    }
  }
}

void MakeTree(const std::string& root) {
  mkdir(root.c_str(), 0755);
  for (int top = 0; top < kTopFolders; ++top) {
    const std::string a = root + "/t" + std::to_string(top);
    FillFolder(a);
    for (int middle = 0; middle < kMiddleFolders; ++middle) {
      const std::string b = a + "/m" + std::to_string(middle);
      FillFolder(b);
      for (int bottom = 0; bottom < kBottomFolders; ++bottom)
        FillFolder(b + "/b" + std::to_string(bottom));
    }
  }
}

// Wall time, and the processor time (user and system) of whoever did the work.
struct Timing {
  double wall;
  double cpu;
};

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

double CpuSeconds(int who) {
  struct rusage usage;
  getrusage(who, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Timing TimeClearing(const std::string& root) {
  const std::string pattern = root + "\\*";
  const double cpu = CpuSeconds(RUSAGE_SELF);
  const auto start = std::chrono::steady_clock::now();
  DeleteFolderContents(pattern.c_str());
  return {Seconds(std::chrono::steady_clock::now() - start), CpuSeconds(RUSAGE_SELF) - cpu};
}

Timing TimeFind(const std::string& root) {
  const char* argv[] = {"find", root.c_str(), "-mindepth", "1", "-delete", nullptr};
  const double cpu = CpuSeconds(RUSAGE_CHILDREN);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid;
  if (posix_spawnp(&pid, "find", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
    fprintf(stderr, "cannot start find\n");
    exit(1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return {Seconds(std::chrono::steady_clock::now() - start), CpuSeconds(RUSAGE_CHILDREN) - cpu};
}

bool IsEmpty(const std::string& root) {
  return std::filesystem::is_empty(root);
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);  // rounds take a while; show each as it ends
  const std::string parent = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
  const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
  const std::string ours = parent + "/quellix-bench-clearing";
  const std::string theirs = parent + "/quellix-bench-find";

  std::vector<double> ratios;
  for (int round = 0; round < rounds; ++round) {
    MakeTree(ours);
    MakeTree(theirs);
    sync();
    // Alternate who goes first so that neither always meets a colder cache or a busier disk.
    Timing clearing, find;
    if (round % 2 == 0) {
      clearing = TimeClearing(ours);
      find = TimeFind(theirs);
    } else {
      find = TimeFind(theirs);
      clearing = TimeClearing(ours);
    }
    if (!IsEmpty(ours) || !IsEmpty(theirs)) {
      fprintf(stderr, "a tree was not emptied\n");
      return 1;
    }
    ratios.push_back(clearing.wall / find.wall);
    printf("round %d: clearing %.3f s (cpu %.3f s), find %.3f s (cpu %.3f s), ratio %.2f\n", round + 1,
           clearing.wall, clearing.cpu, find.wall, find.cpu, ratios.back());
  }
  rmdir(ours.c_str());
  rmdir(theirs.c_str());
  std::sort(ratios.begin(), ratios.end());
  printf("median ratio %.2f (goal: at most 1.25)\n", ratios[ratios.size() / 2]);
  return 0;
}
