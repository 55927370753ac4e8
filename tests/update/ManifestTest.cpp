// CUpdateCheckSink: the manifest copy and its comparison with a generated
// installation under the test program's folder.
#include <gtest/gtest.h>

#include <string>

#include "CMD5Checksum.h"
#include "CProfileSection.h"
#include "CUpdateCheckSink.h"
#include "ScriptedPeer.h"
#include "UpdatePaths.h"
#include "UpdateTestSupport.h"

namespace {

using P = ScriptedPeer;

class RecordingOwner : public IUpdateCheckOwner {
public:
  void EndCheck(int result) override { results.push_back(result); }
  std::vector<int> results;
};

std::wstring ListValue(const wchar_t* key) {
  wchar_t list[kUpdatePathSize];
  GetUpdateListPath(list);
  wchar_t value[260];
  GetPrivateProfileStringW(L"UPDATEFILELIST", key, L"<none>", value, 260, list);
  return value;
}

std::string Md5Of(const std::string& bytes) {
  CMD5Checksum md5;
  return Narrow(md5.GetDataMD5(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()).str());
}

class ManifestTest : public ::testing::Test {
protected:
  void SetUp() override {
    RemoveTree(ModuleFile(L"Update"));
    RemoveTree(ModuleFile(L"game"));
    sink.SetOwner(&owner);
  }
  void TearDown() override {
    RemoveTree(ModuleFile(L"Update"));
    RemoveTree(ModuleFile(L"game"));
  }

  // Serves manifest as /cfg/Server.ini and runs the check to its end.
  void Check(const std::string& manifest) {
    peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", static_cast<long>(manifest.size())) +
                                                   manifest)});
    const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(peer.Port()) + L"/cfg/Server.ini";
    ASSERT_TRUE(sink.Start(url.c_str()));
    ASSERT_TRUE(PumpUntil([&] { return !owner.results.empty(); }));
  }

  ScriptedPeer peer;
  RecordingOwner owner;
  CUpdateCheckSink sink;
};

TEST_F(ManifestTest, ManifestCopyIsNamedAfterTheLastPathSegment) {
  ASSERT_TRUE(sink.OpenManifestFile(L"/cfg/Server.ini?x=1234"));
  EXPECT_TRUE(FileExists(ModuleFile(L"Update\\Server.ini.VQD")));
  EXPECT_FALSE(sink.OpenManifestFile(L"/cfg/Other.ini?x=1"));
}

TEST_F(ManifestTest, ComparisonListsDifferingAndMissingEntriesWithTheirChecksums) {
  const std::string same = "same bytes", changed = "new bytes", upper = "upper";
  ASSERT_TRUE(WriteBytes(ModuleFile(L"game\\same.dll"), same));
  ASSERT_TRUE(WriteBytes(ModuleFile(L"game\\data\\changed.png"), "old bytes"));
  ASSERT_TRUE(WriteBytes(ModuleFile(L"game\\upper.txt"), upper));
  std::string upperSum = Md5Of(upper);
  for (char& c : upperSum) c = static_cast<char>(toupper(c));

  // Upper-case hexadecimal matches; a checksum that is not MD5 text can
  // never be verified, so its file is not fetched.
  Check("[UPDATECONFIG]\r\nFileCount=5\r\nUPDATENETADDR=http://files.example/v2/\r\n"
        "[FILENAME]\r\nFileIndex0=game/same.dll\r\nFileIndex1=game/data/changed.png\r\n"
        "FileIndex2=game/missing.bin\r\nFileIndex3=game/upper.txt\r\nFileIndex4=game/unsure.bin\r\n"
        "[FILECHECKSUM]\r\nFileIndex0=" + Md5Of(same) + "\r\nFileIndex1=" + Md5Of(changed) +
        "\r\nFileIndex2=" + Md5Of("x") + "\r\nFileIndex3=" + upperSum + "\r\nFileIndex4=" + Md5Of("u").substr(1) +
        "\r\n");

  EXPECT_EQ(std::vector<int>{2}, owner.results);
  EXPECT_EQ(CUpdateCheckSink::StateCompared, sink.GetState());
  EXPECT_EQ(L"2", ListValue(L"UPDATEFILECOUNT"));
  EXPECT_EQ(L"http://files.example/v2/", ListValue(L"FILENETADDRESS"));
  EXPECT_EQ(L"game/data/changed.png", ListValue(L"FileIndex0"));
  EXPECT_EQ(Widen(Md5Of(changed)), ListValue(L"FileCheckSum0"));
  EXPECT_EQ(L"game/missing.bin", ListValue(L"FileIndex1"));
  EXPECT_EQ(Widen(Md5Of("x")), ListValue(L"FileCheckSum1"));
  EXPECT_EQ(L"<none>", ListValue(L"FileIndex2"));
  // The manifest copy is gone once compared.
  EXPECT_FALSE(FileExists(ModuleFile(L"Update\\Server.ini.VQD")));
}

TEST_F(ManifestTest, NothingDifferingWritesNoListAndEndsWithOne) {
  ASSERT_TRUE(WriteBytes(ModuleFile(L"game\\a.dll"), "a"));
  // A list left over from an interrupted run goes too.
  ASSERT_TRUE(WriteBytes(ModuleFile(L"Update\\Update.VQD"), "[UPDATEFILELIST]\r\nUPDATEFILECOUNT=1\r\n"));
  Check("[UPDATECONFIG]\r\nFileCount=1\r\nUPDATENETADDR=http://h/\r\n[FILENAME]\r\nFileIndex0=game/a.dll\r\n"
        "[FILECHECKSUM]\r\nFileIndex0=" + Md5Of("a") + "\r\n");
  EXPECT_EQ(std::vector<int>{1}, owner.results);
  wchar_t list[kUpdatePathSize];
  GetUpdateListPath(list);
  EXPECT_FALSE(FileExists(list));
}

TEST_F(ManifestTest, ManifestNamedLikeTheListStillWorks) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", -1) +
                                                 "[UPDATECONFIG]\r\nFileCount=1\r\nUPDATENETADDR=http://h/\r\n"
                                                 "[FILENAME]\r\nFileIndex0=game/new.dll\r\n[FILECHECKSUM]\r\n"
                                                 "FileIndex0=" + Md5Of("new") + "\r\n"),
                      P::Close()});
  const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(peer.Port()) + L"/cfg/update";
  ASSERT_TRUE(sink.Start(url.c_str()));
  ASSERT_TRUE(PumpUntil([&] { return !owner.results.empty(); }));
  EXPECT_EQ(std::vector<int>{2}, owner.results);
  EXPECT_EQ(L"game/new.dll", ListValue(L"FileIndex0"));
}

TEST_F(ManifestTest, FileCountIsBoundedByTheNamesPresent) {
  const DWORD start = GetTickCount();
  Check("[UPDATECONFIG]\r\nFileCount=2000000000\r\nUPDATENETADDR=http://h/\r\n[FILENAME]\r\n"
        "FileIndex3=game/far.dll\r\n[FILECHECKSUM]\r\nFileIndex3=" + Md5Of("far") + "\r\n");
  EXPECT_EQ(std::vector<int>{2}, owner.results);
  EXPECT_EQ(L"game/far.dll", ListValue(L"FileIndex0"));
  EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST_F(ManifestTest, ManifestFetchIsBoundedAsAWhole) {
  // Every byte comes in time for the idle check, but the whole takes too long.
  sink.GetDownLoad().SetTimeLimit(500);
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 400)), P::Drip(std::string(400, ';'), 20)});
  const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(peer.Port()) + L"/cfg/Server.ini";
  const DWORD start = GetTickCount();
  ASSERT_TRUE(sink.Start(url.c_str()));
  ASSERT_TRUE(PumpUntil([&] { return !owner.results.empty(); }));
  EXPECT_EQ(std::vector<int>{1}, owner.results);
  EXPECT_LT(GetTickCount() - start, 3000u);
}

TEST_F(ManifestTest, MissingFileCountMeansNothingToFetch) {
  Check("[UPDATECONFIG]\r\nUPDATENETADDR=http://h/\r\n");
  EXPECT_EQ(std::vector<int>{1}, owner.results);
}

TEST_F(ManifestTest, NamesReachingOutsideTheInstallationAreSkipped) {
  Check("[UPDATECONFIG]\r\nFileCount=9\r\nUPDATENETADDR=http://h/\r\n[FILENAME]\r\n"
        "FileIndex0=../outside.dll\r\nFileIndex1=C:/Windows/evil.dll\r\nFileIndex2=\\\\server\\share\\x\r\n"
        "FileIndex3=/rooted.dll\r\nFileIndex4=game/CON\r\nFileIndex5=game/../../x\r\nFileIndex6=\r\n"
        "FileIndex7=game/ok.dll\r\nFileIndex8=game/" + std::string(300, 'n') + "\r\n[FILECHECKSUM]\r\n"
        "FileIndex7=" + Md5Of("ok") + "\r\nFileIndex8=" + Md5Of("n") + "\r\n");
  EXPECT_EQ(std::vector<int>{2}, owner.results);
  EXPECT_EQ(L"1", ListValue(L"UPDATEFILECOUNT"));
  EXPECT_EQ(L"game/ok.dll", ListValue(L"FileIndex0"));
}

TEST_F(ManifestTest, FailedFetchEndsTheCheckWithOne) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 404 Not Found", "", 0))});
  const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(peer.Port()) + L"/cfg/Server.ini";
  ASSERT_TRUE(sink.Start(url.c_str()));
  ASSERT_TRUE(PumpUntil([&] { return !owner.results.empty(); }));
  EXPECT_EQ(std::vector<int>{1}, owner.results);
  EXPECT_EQ(CUpdateCheckSink::StateFailed, sink.GetState());
  // A failed check may start again.
  EXPECT_FALSE(sink.OpenManifestFile(L"/"));
}

TEST_F(ManifestTest, ManifestCopyThatCannotBeCreatedEndsTheCheckWithOne) {
  // No last path segment: there is no name for the copy.
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 2) + "[]")});
  const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(peer.Port()) + L"/cfg/";
  ASSERT_TRUE(sink.Start(url.c_str()));
  ASSERT_TRUE(PumpUntil([&] { return !owner.results.empty(); }));
  EXPECT_EQ(std::vector<int>{1}, owner.results);
  EXPECT_EQ(CUpdateCheckSink::StateFailed, sink.GetState());
}

TEST(ProfileSectionTest, GivesWhatTheSingleKeyProfileCallGives) {
  const std::wstring ini = ModuleFile(L"section-test.ini");
  ASSERT_TRUE(WriteBytes(ini, "[FILENAME]\r\nFileIndex0=plain.dll\r\n  fileindex1 =  spaced.dll  \r\n"
                              "FileIndex2=\"quoted name.dll\"\r\nFileIndex3='single'\r\nFileIndex4=\"half\r\n"
                              "FileIndex0=second.dll\r\nFileIndex5=\r\nnot a key line\r\n[OTHER]\r\nFileIndex6=x\r\n"));
  CProfileSection section;
  ASSERT_TRUE(section.Load(ini.c_str(), L"FILENAME"));
  for (const wchar_t* key : {L"FileIndex0", L"FILEINDEX1", L"FileIndex2", L"FileIndex3", L"FileIndex4",
                             L"FileIndex5", L"FileIndex6", L"Missing"}) {
    wchar_t expected[260];
    GetPrivateProfileStringW(L"FILENAME", key, L"", expected, 260, ini.c_str());
    EXPECT_STREQ(expected, section.Get(key)) << key;
  }
  EXPECT_FALSE(section.Load(ini.c_str(), L"NOSUCH"));
  DeleteFileW(ini.c_str());
}

}  // namespace
