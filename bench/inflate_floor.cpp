// inflate_floor.cpp -- the floor of the unpack benchmark: for each file entry
// of an archive, inflate its zlib stream with plain zlib and write the bytes
// with a bare loop (POSIX write, or Win32 WriteFile). No attributes, no
// times, no progress: the least work that produces the same files.
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/toc_reader.h"
#include "common/utf.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using namespace ZEPHYRA_NAMESPACE;

#ifdef _WIN32
using Out = HANDLE;
std::wstring Wide(const std::string& s) {
  const std::u16string w = Utf8ToUtf16(s);
  return std::wstring(w.begin(), w.end());
}
bool MakeDir(const std::string& p) { return ::CreateDirectoryW(Wide(p).c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS; }
Out OpenOut(const std::string& p) {
  return ::CreateFileW(Wide(p).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}
bool Valid(Out h) { return h != INVALID_HANDLE_VALUE; }
bool WriteOut(Out h, const uint8_t* d, size_t n) {
  DWORD w = 0;
  return ::WriteFile(h, d, static_cast<DWORD>(n), &w, nullptr) && w == n;
}
void CloseOut(Out h) { ::CloseHandle(h); }
const char kSep = '\\';
#else
using Out = int;
bool MakeDir(const std::string& p) { return ::mkdir(p.c_str(), 0777) == 0 || errno == EEXIST; }
Out OpenOut(const std::string& p) { return ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666); }
bool Valid(Out h) { return h >= 0; }
bool WriteOut(Out h, const uint8_t* d, size_t n) { return ::write(h, d, n) == static_cast<ssize_t>(n); }
void CloseOut(Out h) { ::close(h); }
const char kSep = '/';
#endif

std::vector<uint8_t> g_buffer(1 << 19);

bool Inflate(const uint8_t* in, uint64_t size, Out out) {
  z_stream s{};
  if (inflateInit(&s) != Z_OK) return false;
  s.next_in = const_cast<uint8_t*>(in);
  s.avail_in = static_cast<uInt>(size);
  int result = Z_OK;
  while (result != Z_STREAM_END) {
    s.next_out = g_buffer.data();
    s.avail_out = static_cast<uInt>(g_buffer.size());
    result = inflate(&s, Z_NO_FLUSH);
    if (result != Z_OK && result != Z_STREAM_END) break;
    if (!WriteOut(out, g_buffer.data(), g_buffer.size() - s.avail_out)) break;
  }
  inflateEnd(&s);
  return result == Z_STREAM_END;
}

bool Extract(const uint8_t* archive, const YdTocNode& node, const std::string& folder) {
  for (const auto& child : node.children) {
    const std::string path = folder + kSep + Utf16ToUtf8(child->name);
    if (child->type == kTocDirectory) {
      if (!MakeDir(path) || !Extract(archive, *child, path)) return false;
    } else if (child->type == kTocFile) {
      Out out = OpenOut(path);
      if (!Valid(out)) return false;
      const bool ok = child->converter == 0 ? WriteOut(out, archive + child->dataOffset, child->storedSize)
                                            : Inflate(archive + child->dataOffset, child->storedSize, out);
      CloseOut(out);
      if (!ok) return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: inflate_floor <archive> <folder>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  YdTocNode root;
  if (!ReadArchiveToc(bytes.data(), bytes.size(), root).ok()) return 1;
  if (!MakeDir(argv[2])) return 3;
  return Extract(bytes.data(), root, argv[2]) ? 0 : 3;
}
