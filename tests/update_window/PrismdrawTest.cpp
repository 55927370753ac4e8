// CPngImage with the Prismdraw engine present: the test double of the library
// lies in a folder of its own, put on the DLL search path before the first
// picture asks for the engine. The double logs every call it gets.
#include <gtest/gtest.h>

#include <string>

#include "PixelAssert.h"
#include "PrismdrawDouble.h"

namespace {

class Prismdraw : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    wchar_t dir[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, dir);
    std::wstring path = std::wstring(dir) + L"\\prismdraw";
    SetDllDirectoryW(path.c_str());
  }
  void SetUp() override {
    ASSERT_NE(nullptr, CPrismdrawEngine::Get()) << "the double was not found beside the test";
    HMODULE dll = GetModuleHandleW(L"Prismdraw.dll");
    ASSERT_NE(nullptr, dll);
    m_pfnCalls = reinterpret_cast<PFN_PRISMDRAW_CALLS>(reinterpret_cast<void*>(GetProcAddress(dll, "PrismdrawCalls")));
    m_pfnFactoryRuns =
        reinterpret_cast<PFN_PRISMDRAW_FACTORY_RUNS>(reinterpret_cast<void*>(GetProcAddress(dll, "PrismdrawFactoryRuns")));
    ASSERT_NE(nullptr, m_pfnCalls);
    ASSERT_NE(nullptr, m_pfnFactoryRuns);
    m_nFirst = Count();
  }
  int Count() const {
    const PrismdrawCall* calls = nullptr;
    return m_pfnCalls(&calls);
  }
  // The calls made since the test began.
  const PrismdrawCall& Call(int i) const {
    const PrismdrawCall* calls = nullptr;
    m_pfnCalls(&calls);
    return calls[m_nFirst + i];
  }
  int Made() const { return Count() - m_nFirst; }

  PFN_PRISMDRAW_CALLS m_pfnCalls = nullptr;
  PFN_PRISMDRAW_FACTORY_RUNS m_pfnFactoryRuns = nullptr;
  int m_nFirst = 0;
};

TEST_F(Prismdraw, LoadIsCalledFirstWithTheResourceAndTheHandle) {
  HMODULE self = GetModuleHandleW(nullptr);
  {
    CPngImage image;
    EXPECT_TRUE(image.LoadFromResource(self, L"PROGRESS_POINT"));
    ASSERT_EQ(1, Made());
    const PrismdrawCall& load = Call(0);
    EXPECT_EQ(PRISMDRAW_LOAD, load.op);
    EXPECT_EQ(0, load.reserved);
    EXPECT_EQ(self, load.module);
    EXPECT_STREQ(L"PROGRESS_POINT", load.name);
    EXPECT_STREQ(L"PNG", load.type);
    ASSERT_NE(nullptr, load.handle);
    // The handle lies inside the picture object.
    const BYTE* object = reinterpret_cast<const BYTE*>(&image);
    const BYTE* handle = static_cast<const BYTE*>(load.handle);
    EXPECT_GE(handle, object);
    EXPECT_LE(handle + CPrismdrawEngine::kHandleSize, object + sizeof(image));
  }
  ASSERT_EQ(2, Made());
  EXPECT_EQ(PRISMDRAW_DESTROY, Call(1).op);
  EXPECT_EQ(0, Call(1).reserved);
  EXPECT_EQ(Call(0).handle, Call(1).handle);
}

TEST_F(Prismdraw, SizesComeFromTheEngine) {
  CPngImage image;
  ASSERT_TRUE(image.LoadFromResource(GetModuleHandleW(nullptr), L"UPDATE_FRAME_BACK"));
  // The double answers ten pixels per character of the name, by seven.
  EXPECT_EQ(170, image.GetWidth());
  EXPECT_EQ(7, image.GetHeight());
  ASSERT_EQ(3, Made());
  EXPECT_EQ(PRISMDRAW_WIDTH, Call(1).op);
  EXPECT_EQ(PRISMDRAW_HEIGHT, Call(2).op);
  EXPECT_EQ(0, Call(1).reserved);
  EXPECT_EQ(0, Call(2).reserved);
  EXPECT_EQ(Call(0).handle, Call(1).handle);
  EXPECT_EQ(Call(0).handle, Call(2).handle);
}

TEST_F(Prismdraw, TheEngineIsToldEvenWhenGdiplusHasNothing) {
  CPngImage image;
  EXPECT_FALSE(image.LoadFromResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(777)));
  ASSERT_EQ(1, Made());
  EXPECT_STREQ(L"#777", Call(0).name);
  // The engine still answers for the picture it was told about.
  EXPECT_EQ(40, image.GetWidth());
}

TEST_F(Prismdraw, DrawingStaysWithGdiplus) {
  CPngImage image;
  ASSERT_TRUE(image.LoadFromResource(GetModuleHandleW(nullptr), L"PROGRESS_POINT"));
  int before = Made();
  CMemDC canvas(30, 30);
  image.Draw(canvas.GetSafeHdc(), 0, 0);
  // The whole natural 26 x 26 picture, whatever size the engine reports (140 x 7).
  EXPECT_EQ(255, ChannelA(canvas.GetARGB(13, 13)));
  EXPECT_GT(ChannelA(canvas.GetARGB(13, 22)), 0);
  EXPECT_EQ(0u, canvas.GetARGB(27, 13));
  EXPECT_EQ(before, Made());
}

TEST_F(Prismdraw, TheFactoryRunsOncePerProcess) {
  CPngImage a, b;
  a.LoadFromResource(GetModuleHandleW(nullptr), L"BT_CLOSE");
  b.LoadFromResource(GetModuleHandleW(nullptr), L"BT_CLOSE");
  EXPECT_EQ(1, m_pfnFactoryRuns());
}

}  // namespace
