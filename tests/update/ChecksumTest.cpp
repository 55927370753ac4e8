// CMD5Checksum: RFC 1321 digests of data and of files read in chunks.
#include "CMD5Checksum.h"

#include <gtest/gtest.h>

#include "UpdatePaths.h"
#include "UpdateTestSupport.h"

namespace {

class Md5 : public CMD5Checksum {
public:
  std::string Of(const std::string& s) {
    return Narrow(GetDataMD5(reinterpret_cast<const BYTE*>(s.data()), s.size()).str());
  }
};

TEST(ChecksumTest, Rfc1321TestSuite) {
  Md5 md5;
  EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", md5.Of(""));
  EXPECT_EQ("0cc175b9c0f1b6a831c399e269772661", md5.Of("a"));
  EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", md5.Of("abc"));
  EXPECT_EQ("f96b697d7cb7938d525a2f31aaf161d0", md5.Of("message digest"));
  EXPECT_EQ("c3fcd3d76192e4007dfb496cca67e13b", md5.Of("abcdefghijklmnopqrstuvwxyz"));
  EXPECT_EQ("d174ab98d277d9f5a5611c2c9f419d9f",
            md5.Of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"));
  EXPECT_EQ("57edf4a22be3c955ac49da2e2107b67a",
            md5.Of("12345678901234567890123456789012345678901234567890123456789012345678901234567890"));
}

TEST(ChecksumTest, PaddingBoundariesAroundOneBlock) {
  // 55, 56 and 64 bytes: the length field fits, just misses, and a full block.
  Md5 md5;
  EXPECT_EQ("ef1772b6dff9a122358552954ad0df65", md5.Of(std::string(55, 'a')));
  EXPECT_EQ("3b0c8ac703f828b04c6c197006d17218", md5.Of(std::string(56, 'a')));
  EXPECT_EQ("014842d480b571495a4a0363793f7367", md5.Of(std::string(64, 'a')));
}

TEST(ChecksumTest, FileDigestIsTheDigestOfItsBytes) {
  Md5 md5;
  const std::wstring empty = ModuleFile(L"md5-empty.bin");
  ASSERT_TRUE(WriteBytes(empty, ""));
  EXPECT_EQ(L"d41d8cd98f00b204e9800998ecf8427e", md5.GetFileMD5(empty.c_str()).str());

  // Not a multiple of the read chunk, and the second file of the same object.
  const std::string data = PatternBytes(3 * 64 * 1024 + 17, 3);
  const std::wstring file = ModuleFile(L"md5-pattern.bin");
  ASSERT_TRUE(WriteBytes(file, data));
  const CString digest = md5.GetFileMD5(file.c_str());
  EXPECT_EQ(32, digest.GetLength());
  EXPECT_EQ(md5.Of(data), Narrow(digest.str()));
  DeleteFileW(empty.c_str());
  DeleteFileW(file.c_str());
}

TEST(ChecksumTest, ADigestFedPieceByPieceIsTheDigestOfTheWhole) {
  // A part on disk, then the bytes that follow it, as a resumed download is
  // checked.
  const std::string head = PatternBytes(70000, 4), tail = PatternBytes(5000, 5);
  const std::string whole = Md5().Of(head + tail);
  const std::wstring file = ModuleFile(L"md5-head.bin");
  ASSERT_TRUE(WriteBytes(file, head));
  Md5 md5;
  md5.Init();
  ASSERT_TRUE(md5.AddFile(file.c_str()));
  md5.Update(reinterpret_cast<const BYTE*>(tail.data()), tail.size());
  EXPECT_EQ(whole, Narrow(md5.Finish().str()));
  EXPECT_FALSE(md5.AddFile(ModuleFile(L"no-such-file.bin").c_str()));
  DeleteFileW(file.c_str());
}

TEST(ChecksumTest, MissingOrLockedFileGivesEmptyText) {
  Md5 md5;
  EXPECT_TRUE(md5.GetFileMD5(ModuleFile(L"no-such-file.bin").c_str()).IsEmpty());
  EXPECT_TRUE(md5.GetFileMD5(GetModuleDirectory()).IsEmpty());

  const std::wstring file = ModuleFile(L"md5-locked.bin");
  ASSERT_TRUE(WriteBytes(file, "abc"));
  HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  EXPECT_TRUE(md5.GetFileMD5(file.c_str()).IsEmpty());
  CloseHandle(lock);
  EXPECT_EQ(L"900150983cd24fb0d6963f7d28e17f72", md5.GetFileMD5(file.c_str()).str());
  DeleteFileW(file.c_str());
}

}  // namespace
