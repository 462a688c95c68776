// make_payload.cpp -- writes a deterministic synthetic payload shaped like
// the setup's real one: 57 files in 8 directories (the root included), with
// executable-like binaries, text, already-compressed data, empty and tiny
// files; about 5.9 MB once packed at zlib level 6.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }

 private:
  uint32_t state_;
};

// Machine-code-like bytes: a small vocabulary of instruction patterns with
// random immediates and addresses, plus zero-padded tables.
std::vector<uint8_t> Executable(size_t size, uint32_t seed) {
  Random r(seed);
  static const std::vector<std::vector<uint8_t>> kOps = {
      {0x55}, {0x48, 0x89, 0xE5}, {0x48, 0x83, 0xEC}, {0xE8}, {0x8B, 0x45}, {0x89, 0x45}, {0xC3}, {0x5D},
      {0x48, 0x8B, 0x05}, {0x0F, 0x84}, {0x74}, {0x75}, {0xFF, 0x15}, {0x33, 0xC0}, {0x90, 0x90}, {0x48, 0x8D, 0x0D}};
  std::vector<uint8_t> out;
  out.reserve(size);
  while (out.size() < size) {
    const uint32_t pick = r.Next();
    if (pick % 50 == 0) {  // a table or padding
      out.insert(out.end(), 64 + pick % 256, 0);
      continue;
    }
    const auto& op = kOps[pick % kOps.size()];
    out.insert(out.end(), op.begin(), op.end());
    const int immediate = (pick >> 8) % 4;
    for (int i = 0; i < immediate; ++i) out.push_back(static_cast<uint8_t>(r.Next()));
  }
  out.resize(size);
  return out;
}

std::vector<uint8_t> Text(size_t size, uint32_t seed) {
  Random r(seed);
  static const char* const kWords[] = {"network", "hotspot", "share", "the", "of", "and", "device", "connect",
                                       "wireless", "adapter", "driver", "service", "setting", "user", "client",
                                       "signal", "password", "install", "version", "update", "error", "0x1F",
                                       "=", "true", "false", "<item>", "</item>", "name", "value", "id"};
  std::vector<uint8_t> out;
  out.reserve(size + 16);
  while (out.size() < size) {
    const char* word = kWords[r.Next() % (sizeof(kWords) / sizeof(kWords[0]))];
    out.insert(out.end(), word, word + std::char_traits<char>::length(word));
    out.push_back(r.Next() % 11 == 0 ? '\n' : ' ');
  }
  out.resize(size);
  return out;
}

std::vector<uint8_t> Compressed(size_t size, uint32_t seed) {
  Random r(seed);
  std::vector<uint8_t> out(size);
  for (auto& b : out) b = static_cast<uint8_t>(r.Next() >> 7);
  return out;
}

bool Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_payload <folder>\n");
    return 2;
  }
  const fs::path root(argv[1]);
  struct File {
    const char* path;
    char kind;  // x executable, t text, c compressed, e empty
    size_t size;
  };
  const std::vector<File> files = {
      {"Zephyra.exe", 'x', 2600000}, {"ZephyraService.exe", 'x', 900000}, {"ZephyraUpdate.exe", 'x', 520000},
      {"uninst.exe", 'x', 310000}, {"license.txt", 't', 24000}, {"readme.txt", 't', 6000}, {"version.ini", 't', 90},
      {"empty.cfg", 'e', 0},
      {"bin/netcfg.exe", 'x', 240000}, {"bin/report.exe", 'x', 330000}, {"bin/report2.exe", 'x', 180000},
      {"bin/core.dll", 'x', 1400000}, {"bin/ui.dll", 'x', 950000}, {"bin/net.dll", 'x', 420000},
      {"bin/log.dll", 'x', 120000}, {"bin/settings.xml", 't', 3800}, {"bin/placeholder", 'e', 0},
      {"bin/x64/netcfg64.exe", 'x', 290000}, {"bin/x64/nat64.sys", 'x', 96000}, {"bin/x64/nat64.inf", 't', 2400},
      {"bin/x64/nat64.cat", 'c', 9500}, {"bin/x64/tiny.dat", 'c', 12},
      {"lib/zlib1.dll", 'x', 90000}, {"lib/crypto.dll", 'x', 1100000}, {"lib/ssl.dll", 'x', 380000},
      {"lib/json.dll", 'x', 60000}, {"lib/lib.manifest", 't', 700},
      {"res/skin.xml", 't', 42000}, {"res/strings_zh.txt", 't', 31000}, {"res/strings_en.txt", 't', 27000},
      {"res/font.ttf", 'c', 480000}, {"res/sound.wav", 'x', 160000}, {"res/empty.res", 'e', 0},
      {"res/img/bg.png", 'c', 510000}, {"res/img/logo.png", 'c', 38000}, {"res/img/ring0.png", 'c', 9000},
      {"res/img/ring1.png", 'c', 9100}, {"res/img/ring2.png", 'c', 9200}, {"res/img/ring3.png", 'c', 9300},
      {"res/img/ring4.png", 'c', 9400}, {"res/img/ring5.png", 'c', 9500}, {"res/img/btn.png", 'c', 15000},
      {"res/img/check.png", 'c', 2100}, {"res/img/close.png", 'c', 1800}, {"res/img/min.png", 'c', 1700},
      {"res/img/icon.ico", 'c', 67000}, {"res/img/t.gif", 'c', 43},
      {"doc/manual.html", 't', 88000}, {"doc/faq.html", 't', 36000}, {"doc/changes.txt", 't', 15000},
      {"doc/third_party.txt", 't', 52000}, {"doc/a.css", 't', 7000},
      {"data/oui.db", 't', 420000}, {"data/geo.dat", 'c', 560000}, {"data/defaults.json", 't', 5200},
      {"data/one.txt", 't', 1}, {"data/cache.bin", 'x', 64000},
  };
  uint32_t seed = 1;
  for (const File& file : files) {
    std::vector<uint8_t> bytes;
    switch (file.kind) {
      case 'x': bytes = Executable(file.size, seed); break;
      case 't': bytes = Text(file.size, seed); break;
      case 'c': bytes = Compressed(file.size, seed); break;
      default: break;
    }
    ++seed;
    if (!Write(root / file.path, bytes)) return 1;
  }
  std::printf("%zu files\n", files.size());
  return 0;
}
