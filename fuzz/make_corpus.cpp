// make_corpus.cpp -- writes the seed corpus of the fuzz targets: every
// crafted archive of the hostile table plus a few sound archives.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "archive/archive_writer.h"
#include "tests/archive/hostile_archives.h"
#include "tests/archive/unpack_test_util.h"

int main(int argc, char** argv) {
  using namespace ZEPHYRA_NAMESPACE;
  using namespace ZEPHYRA_NAMESPACE::testing_util;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_corpus <folder>\n");
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::filesystem::create_directories(folder);
  auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  };
  int count = 0;
  for (const HostileArchive& archive : MakeHostileArchives()) {
    if (archive.bytes.size() > 65536) continue;  // keeps the corpus small
    if (!write("hostile-" + archive.name, archive.bytes)) return 1;
    ++count;
  }
  // Sound archives: small shapes the fuzzer can mutate from.
  YdArchiveWriter small;
  YdTocNode& dir = small.AddDirectory(small.Root(), u"dir", 0x10, SampleTimes(1));
  small.AddFile(dir, u"a.txt", 0x20, SampleTimes(2), Bytes("hello hello hello"), 1, 6);
  small.AddFile(small.Root(), u"b.bin", 0x21, SampleTimes(3), PatternBytes(600, 1), 0, 0);
  small.AddFile(small.Root(), u"empty", 0x20, {}, {}, 1, 6);
  small.AddInline(small.Root(), u"inline", Bytes("inline bytes"));
  if (!write("good-small", small.Finish())) return 1;
  YdArchiveWriter two;
  YdTocNode& d1 = two.AddDirectory(two.Root(), u"x", 0x10, {});
  YdTocNode& d2 = two.AddDirectory(d1, u"y", 0x10, {});
  two.AddFile(d2, u"z", 0x20, {}, PatternBytes(5000, 2), 1, 9);
  two.AddStoredEntry(two.Root(), kTocAccounted, u"acct", 0x20, {}, Bytes("acct"), 4, 0);
  if (!write("good-nested", two.Finish(0))) return 1;
  std::printf("wrote %d inputs to %s\n", count + 2, argv[1]);
  return 0;
}
