// preview_program_test.cpp -- ZephyraGallery.exe as a skin previewer, a
// process of its own: skins that cannot be loaded end it with code 1 and
// the reason on standard error; hostile but well-formed skins (numbers at
// the ends of the int range, deep nesting, a rotation of nan, markup that
// moves the pen out of the int range, elements after the first at the top
// level) are photographed with --shot and end it with code 0; a plain skin's
// picture shows its colours and the image that lies beside the skin file.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/gallery/preview_logic.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

std::wstring GalleryPath() {
  const std::string unix(YD_GALLERY_EXE);
  std::wstring path = L"Z:" + std::wstring(unix.begin(), unix.end());
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

struct Outcome {
  DWORD code = 0xFFFFFFFF;  // still running after the time limit: the test fails
  std::string error;        // what it wrote to standard error
};

// Runs the gallery with `arguments`, standard error captured; a process
// still running after 60 s is ended and reported as such.
Outcome RunGallery(const std::wstring& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  EXPECT_TRUE(::CreatePipe(&read, &write, &inherit, 0));
  ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdError = write;
  start.hStdOutput = write;
  start.hStdInput = nullptr;
  std::wstring command = L"\"" + GalleryPath() + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  Outcome out;
  const bool started = ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                                        &process) != FALSE;
  ::CloseHandle(write);
  EXPECT_TRUE(started);
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(read, buffer, sizeof(buffer), &got, nullptr) && got > 0) out.error.append(buffer, got);
    if (::WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
      ::GetExitCodeProcess(process.hProcess, &out.code);
    } else {
      ::TerminateProcess(process.hProcess, 99);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  ::CloseHandle(read);
  return out;
}

class PreviewProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"yd-preview-test";
    ::CreateDirectoryW(folder_.c_str(), nullptr);
  }
  std::wstring Path(const wchar_t* name) const { return folder_ + L"\\" + name; }
  std::wstring Write(const wchar_t* name, const std::string& bytes) const {
    const std::wstring path = Path(name);
    std::ofstream(path.c_str(), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  static std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }
  // The picture --shot wrote: width, height and the pixels bottom-up.
  static bool ReadShot(const std::wstring& path, int* width, int* height, std::vector<uint32_t>* pixels) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    std::memcpy(width, &bytes[18], 4);
    std::memcpy(height, &bytes[22], 4);
    const size_t count = static_cast<size_t>(*width) * static_cast<size_t>(*height);
    if (bytes.size() != 54 + count * 4) return false;
    pixels->resize(count);
    std::memcpy(pixels->data(), &bytes[54], count * 4);
    return true;
  }
  std::wstring folder_;
};

TEST_F(PreviewProgramTest, SkinsThatCannotBeLoadedEndWithCodeOneAndTheReason) {
  std::string deep = "<Window size=\"50,50\">";
  for (int i = 0; i < 100000; ++i) deep += "<VerticalLayout>";
  const struct {
    const wchar_t* file;
    std::string bytes;
    const wchar_t* extra;
    const char* reason;
  } cases[] = {
      {L"missing.xml", "", L"", "cannot be read"},
      {L"garbage.xml", "<Root><Window name=\"a\"><Control></Root>", L"", "not a well-formed skin"},
      {L"empty.xml", "", L"", "no root element"},
      {L"nowindow.xml", "<Root><Font name=\"x\"/></Root>", L"", "has no <Window>"},
      {L"named.xml", "<Root><Window name=\"a\"><Control/></Window></Root>", L"--window b",
       "has no <Window name=\"b\">"},
      {L"nameless.xml", "<Root><Window><Control/></Window></Root>", L"", "has no name"},
      {L"nocontrol.xml", "<Root><Window name=\"a\" size=\"80,60\"><Font name=\"x\"/></Window></Root>", L"",
       "builds no control"},
      {L"deep.xml", deep, L"", "nested deeper"},
  };
  for (const auto& c : cases) {
    const std::wstring path = c.bytes.empty() && std::wstring(c.file) == L"missing.xml" ? Path(c.file)
                                                                                          : Write(c.file, c.bytes);
    const Outcome out = RunGallery(Quoted(path) + L" " + c.extra + L" --shot " + Quoted(Path(L"never.bmp")));
    EXPECT_EQ(out.code, static_cast<DWORD>(kGalleryExitNoSkin)) << std::string(c.file, c.file + wcslen(c.file));
    EXPECT_NE(out.error.find(c.reason), std::string::npos) << out.error;
  }
  EXPECT_EQ(::GetFileAttributesW(Path(L"never.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
  // A command line it does not understand.
  EXPECT_EQ(RunGallery(L"a.xml --colour red").code, static_cast<DWORD>(kGalleryExitUsage));
}

TEST_F(PreviewProgramTest, HostileSkinsArePhotographed) {
  const std::string hostile =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<Root><Window name=\"big\" size=\"2147483647,2147483647\" mininfo=\"-2147483648,9\" maxinfo=\"0,0\""
      " roundcorner=\"2147483647,2147483647\" sizebox=\"-1,-1,2147483647,2147483647,2147483647\""
      " caption=\"-2147483648,0,2147483647,2147483647\">"
      "<HorizontalLayout childpadding=\"2147483647\" inset=\"2147483647,1,-2147483648,2\">"
      "<Control width=\"2147483647\" padding=\"2147483647,2147483647,2147483647,2147483647\"/>"
      "<Control width=\"2147483647\" minwidth=\"2147483647\"/>"
      "<Label text=\"&lt;x 2147483647&gt;far&lt;p 2147483647&gt;away&lt;x -2147483648&gt;back\" htmltext=\"true\"/>"
      "<Control bknormalimage=\"file='nothere.png' rotate='nan' dest='2147483647,2147483647,-2147483648,0'\"/>"
      "<Control bknormalimage=\"res='70000' restype='PNG' rotate='inf'\"/>"
      "<Option group=\"1\" selected=\"true\"/>"
      "</HorizontalLayout>"
      "<Option group=\"2\" selected=\"true\"/><Option group=\"2\"/>"
      "</Window></Root>";
  const std::wstring shot = Path(L"hostile.bmp");
  ::DeleteFileW(shot.c_str());
  const Outcome out = RunGallery(Quoted(Write(L"hostile.xml", hostile)) + L" --shot " + Quoted(shot));
  EXPECT_EQ(out.code, static_cast<DWORD>(kGalleryExitOk)) << out.error;
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  ASSERT_TRUE(ReadShot(shot, &width, &height, &pixels));
  EXPECT_EQ(width, kPreviewMaxSide);
  EXPECT_GT(height, 0);
  EXPECT_LE(height, kPreviewMaxSide);
}

TEST_F(PreviewProgramTest, APlainSkinIsPaintedWithItsImagesFromBesideTheFile) {
  // A 4 x 4 green picture beside the skin, drawn over a blue background.
  std::vector<uint32_t> green(16, 0xFF00C000u);
  const std::vector<uint8_t> bmp = EncodeBmp32(green.data(), 4, 4);
  Write(L"green.bmp", std::string(bmp.begin(), bmp.end()));
  const std::string skin =
      "<Root><Window name=\"first\" size=\"60,40\"><Control normalbkcolor=\"#FFFF0000\"/></Window>"
      "<Window name=\"second\" size=\"80,50\"><VerticalLayout normalbkcolor=\"#FF2040C0\">"
      "<Control width=\"20\" height=\"10\" bknormalimage=\"file='green.bmp' dest='0,0,4,4'\"/>"
      "</VerticalLayout></Window></Root>";
  const std::wstring path = Write(L"plain.xml", skin);
  const std::wstring shot = Path(L"plain.bmp");
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;

  // Without --window: the first window.
  ASSERT_EQ(RunGallery(Quoted(path) + L" --shot " + Quoted(shot)).code, static_cast<DWORD>(kGalleryExitOk));
  ASSERT_TRUE(ReadShot(shot, &width, &height, &pixels));
  EXPECT_EQ(width, 60);
  EXPECT_EQ(height, 40);
  EXPECT_EQ(pixels[static_cast<size_t>(20) * 60 + 30] & 0xFFFFFF, 0xFF0000u);

  const Outcome out = RunGallery(Quoted(path) + L" --window second --shot " + Quoted(shot));
  ASSERT_EQ(out.code, static_cast<DWORD>(kGalleryExitOk)) << out.error;
  ASSERT_TRUE(ReadShot(shot, &width, &height, &pixels));
  ASSERT_EQ(width, 80);
  ASSERT_EQ(height, 50);
  auto at = [&](int x, int y) { return pixels[static_cast<size_t>(height - 1 - y) * width + x] & 0xFFFFFF; };
  EXPECT_EQ(at(40, 30), 0x2040C0u);  // the layout's background
  EXPECT_EQ(at(1, 1), 0x00C000u);    // the picture beside the skin
  EXPECT_EQ(at(10, 5), 0x2040C0u);   // past the picture's 4 x 4
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
