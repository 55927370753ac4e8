// The checks every manifest and update-list entry passes: checksum text,
// checksum comparison, and the keys that index the entries.
#include <gtest/gtest.h>

#include <wchar.h>

#include "ManifestEntry.h"

namespace {

TEST(ManifestEntryTest, ChecksumsAreMd5TextComparedWithoutRegardToCase) {
  EXPECT_TRUE(IsChecksumText(L"d41d8cd98f00b204e9800998ecf8427e"));
  EXPECT_TRUE(IsChecksumText(L"D41D8CD98F00B204E9800998ECF8427E"));
  for (const wchar_t* bad : {L"", L"d41d8cd98f00b204e9800998ecf8427", L"d41d8cd98f00b204e9800998ecf8427e0",
                             L"g41d8cd98f00b204e9800998ecf8427e", L" d41d8cd98f00b204e9800998ecf8427e"})
    EXPECT_FALSE(IsChecksumText(bad)) << bad;
  EXPECT_FALSE(IsChecksumText(nullptr));

  EXPECT_TRUE(IsSameChecksum(L"abcdef0123", L"ABCDEF0123"));
  EXPECT_FALSE(IsSameChecksum(L"abcdef0123", L"abcdef012"));
  EXPECT_FALSE(IsSameChecksum(L"abc", L"abd"));
  // A file that could not be read has no checksum, which matches nothing.
  EXPECT_FALSE(IsSameChecksum(L"", L""));
  EXPECT_FALSE(IsSameChecksum(nullptr, L"abc"));
}

TEST(ManifestEntryTest, FileIndexKeysAreTheOnesPercentDWrites) {
  unsigned index = 99;
  for (const auto& key : {std::make_pair(L"FileIndex0", 0u), std::make_pair(L"fileindex17", 17u),
                          std::make_pair(L"FILEINDEX2147483647", 2147483647u)}) {
    ASSERT_TRUE(ParseFileIndexKey(key.first, wcslen(key.first), index)) << key.first;
    EXPECT_EQ(key.second, index);
  }
  for (const wchar_t* bad : {L"FileIndex", L"FileIndex01", L"FileIndex-1", L"FileIndex+1", L"FileIndex2147483648",
                             L"FileIndex99999999999", L"FileIndex1x", L"FileCheckSum1", L"XFileIndex1"})
    EXPECT_FALSE(ParseFileIndexKey(bad, wcslen(bad), index)) << bad;
}

}  // namespace
