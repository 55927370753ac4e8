// Update.exe end to end under Wine, against nginx on loopback: the command
// line, the check, the update frame, the downloads moved into place and the
// start of the game program.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "CMD5Checksum.h"
#include "SilentServer.h"
#include "UpdateRun.h"

namespace {

typedef std::vector<std::pair<std::wstring, std::string>> FileList;  // relative name ("/"), contents

std::wstring Backslashed(std::wstring name) {
  for (auto& c : name)
    if (c == L'/') c = L'\\';
  return name;
}

// Publishes files and their manifest under /uw/<name>/ and returns the
// manifest's URL.
std::wstring Publish(const CPeers& peers, const std::wstring& name, const FileList& files) {
  std::wstring folder = peers.strRoot + L"\\uw\\" + name;
  RemoveTree(folder);
  std::wstring base = L"http://127.0.0.1:" + std::to_wstring(peers.nPort) + L"/uw/" + name + L"/files/";
  std::wstring manifest = folder + L"\\GameList.ini";
  MakeFolders(folder);
  CMD5Checksum md5;
  WritePrivateProfileStringW(L"UPDATECONFIG", L"FileCount", std::to_wstring(files.size()).c_str(), manifest.c_str());
  WritePrivateProfileStringW(L"UPDATECONFIG", L"UPDATENETADDR", base.c_str(), manifest.c_str());
  for (size_t i = 0; i < files.size(); ++i) {
    std::wstring served = folder + L"\\files\\" + Backslashed(files[i].first);
    WriteBytes(served, files[i].second);
    std::wstring key = L"FileIndex" + std::to_wstring(i);
    WritePrivateProfileStringW(L"FILENAME", key.c_str(), files[i].first.c_str(), manifest.c_str());
    WritePrivateProfileStringW(L"FILECHECKSUM", key.c_str(), md5.GetFileMD5(served.c_str()).GetString(),
                               manifest.c_str());
  }
  return L"http://127.0.0.1:" + std::to_wstring(peers.nPort) + L"/uw/" + name + L"/GameList.ini";
}

class UpdateRun : public ::testing::Test {
protected:
  void SetUp() override {
    m_Peers = CPeers::Read();
    ASSERT_NE(0, m_Peers.nPort) << "nginx of the peers fixture is not running";
  }
  CPeers m_Peers;
};

TEST_F(UpdateRun, AnUnreachableServerStartsTheGameAtOnce) {
  CUpdateRun run(L"unreachable");
  CRunResult result = run.Run(run.GamePath() + L"|http://127.0.0.1:1/uw/none/GameList.ini");
  ASSERT_TRUE(result.bExited);
  EXPECT_FALSE(result.bSawFrame);
  EXPECT_EQ("UPDATED\n", run.WaitForGame(10000));
}

TEST_F(UpdateRun, OnlyTheDifferingFileIsFetchedAndTheGameStartsAfterIt) {
  FileList files = {{L"alpha.txt", "alpha\n"}, {L"res/beta.bin", PatternBytes(300000, 2)}, {L"gamma.txt", "gamma\n"}};
  std::wstring url = Publish(m_Peers, L"one-differs", files);
  CUpdateRun run(L"one-differs");
  WriteBytes(run.Path(L"alpha.txt"), "alpha\n");
  WriteBytes(run.Path(L"res\\beta.bin"), "an older beta\n");
  WriteBytes(run.Path(L"gamma.txt"), "gamma\n");
  WriteBytes(run.Path(L"game-expects.txt"), "res\\beta.bin\nalpha.txt\n");
  FILETIME alphaBefore = {};
  {
    WIN32_FILE_ATTRIBUTE_DATA data;
    GetFileAttributesExW(run.Path(L"alpha.txt").c_str(), GetFileExInfoStandard, &data);
    alphaBefore = data.ftLastWriteTime;
  }

  CRunResult result = run.Run(run.GamePath() + L"|" + url);
  ASSERT_TRUE(result.bExited);
  EXPECT_TRUE(result.bSawFrame);
  // The new file was in place when the game started.
  EXPECT_EQ("UPDATED\nres\\beta.bin=300000\nalpha.txt=6\n", run.WaitForGame(10000));
  EXPECT_TRUE(ReadBytes(run.Path(L"res\\beta.bin")) == files[1].second);
  EXPECT_FALSE(FileExists(run.Path(L"DownLoad\\beta.bin")));
  EXPECT_FALSE(FileExists(run.Path(L"Update\\Update.VQD")));
  // The files that matched were left alone.
  WIN32_FILE_ATTRIBUTE_DATA data;
  GetFileAttributesExW(run.Path(L"alpha.txt").c_str(), GetFileExInfoStandard, &data);
  EXPECT_EQ(0, CompareFileTime(&alphaBefore, &data.ftLastWriteTime));
}

TEST_F(UpdateRun, MissingFilesLandInFoldersCreatedForThem) {
  FileList files = {{L"maps/deep/level.dat", PatternBytes(70000, 3)}, {L"top.txt", "top\n"}};
  std::wstring url = Publish(m_Peers, L"new-folders", files);
  CUpdateRun run(L"new-folders");
  WriteBytes(run.Path(L"game-expects.txt"), "maps\\deep\\level.dat\ntop.txt\n");
  CRunResult result = run.Run(run.GamePath() + L"|" + url);
  ASSERT_TRUE(result.bExited);
  EXPECT_EQ("UPDATED\nmaps\\deep\\level.dat=70000\ntop.txt=4\n", run.WaitForGame(10000));
  EXPECT_TRUE(ReadBytes(run.Path(L"maps\\deep\\level.dat")) == files[0].second);
}

TEST_F(UpdateRun, KilledAtRandomMomentsThenRunAgainEveryFileIsRight) {
  FileList files = {{L"pack/one.bin", PatternBytes(3000000, 31)},
                    {L"pack/two.bin", PatternBytes(2000000, 32)},
                    {L"three.txt", "three\n"},
                    {L"pack/deep/four.bin", PatternBytes(4000000, 33)}};
  std::wstring url = Publish(m_Peers, L"killed", files);
  CUpdateRun run(L"killed");
  WriteBytes(run.Path(L"three.txt"), "an old three\n");
  WriteBytes(run.Path(L"pack\\two.bin"), "an old two\n");
  const unsigned seed = std::random_device()();
  std::mt19937 random(seed);
  for (int i = 0; i < 6; ++i) {
    // Run gives up on the process, killing it, after the given time.
    const DWORD killAt = 100 + random() % 2500;
    run.Run(run.GamePath() + L"|" + url, killAt);
    // Whatever a killed run left, no file is ever half written.
    for (const auto& file : files) {
      bool found = false;
      const std::string bytes = ReadBytes(run.Path(Backslashed(file.first)), &found);
      EXPECT_TRUE(!found || bytes == file.second || bytes.rfind("an old ", 0) == 0)
          << "seed " << seed << ", killed after " << killAt << " ms";
    }
  }
  DeleteFileW(run.Path(L"game-started.txt").c_str());
  CRunResult result = run.Run(run.GamePath() + L"|" + url);
  ASSERT_TRUE(result.bExited);
  EXPECT_EQ("UPDATED\n", run.WaitForGame(10000)) << "seed " << seed;
  for (const auto& file : files)
    EXPECT_TRUE(ReadBytes(run.Path(Backslashed(file.first))) == file.second) << "seed " << seed;
}

TEST_F(UpdateRun, AnEmptyCommandLineEndsAtOnceAndStartsNothing) {
  CUpdateRun run(L"empty");
  CRunResult result = run.Run(L"", 20000);
  ASSERT_TRUE(result.bExited);
  EXPECT_FALSE(result.bSawDialog);
  EXPECT_FALSE(result.bSawFrame);
  EXPECT_EQ("", run.WaitForGame(1500));
}

TEST_F(UpdateRun, WithoutABarNothingStarts) {
  CUpdateRun run(L"no-bar");
  CRunResult result = run.Run(run.GamePath());
  ASSERT_TRUE(result.bExited);
  EXPECT_FALSE(result.bSawFrame);
  EXPECT_EQ("", run.WaitForGame(1500));
}

TEST_F(UpdateRun, SeveralBarsSplitAtTheFirst) {
  std::wstring url = Publish(m_Peers, L"bars", FileList());
  CUpdateRun run(L"bars");
  CRunResult result = run.Run(run.GamePath() + L"|" + url + L"?tag=a|b");
  ASSERT_TRUE(result.bExited);
  EXPECT_FALSE(result.bSawFrame);
  // The path is the text before the first bar: the game started ...
  EXPECT_EQ("UPDATED\n", run.WaitForGame(10000));
  // ... and the URL is everything after it, the second bar included.
  std::string log = ReadBytes(m_Peers.strAccessLog);
  bool asked = log.find("/uw/bars/GameList.ini?tag=a|b") != std::string::npos ||
               log.find("/uw/bars/GameList.ini?tag=a%7Cb") != std::string::npos ||
               log.find("/uw/bars/GameList.ini?tag=a%7cb") != std::string::npos;
  EXPECT_TRUE(asked) << "nginx was not asked for the whole URL";
}

TEST_F(UpdateRun, KeysLeaveTheCheckAloneAndItsSystemCloseOpensTheFrame) {
  CSilentServer silent;
  ASSERT_NE(0, silent.Port());
  CUpdateRun run(L"system-close");
  enum { WAITING, KEYS_SENT, CLOSE_SENT, FRAME_CLOSED } stage = WAITING;
  DWORD keysAt = 0;
  bool dialogSurvivedKeys = false, frameBeforeClose = false;
  std::wstring url = L"http://127.0.0.1:" + std::to_wstring(silent.Port()) + L"/GameList.ini";
  CRunResult result = run.Run(run.GamePath() + L"|" + url, 60000, [&](DWORD pid, DWORD elapsed) {
    HWND dialog = FindProcessWindow(pid, L"#32770");
    HWND frame = FindProcessWindow(pid, L"TolmGame");
    switch (stage) {
      case WAITING:
        if (dialog != nullptr) {
          PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
          PostMessageW(dialog, WM_KEYDOWN, VK_RETURN, 0x001C0001);
          keysAt = elapsed;
          stage = KEYS_SENT;
        }
        break;
      case KEYS_SENT:
        if (elapsed - keysAt > 1000) {
          dialogSurvivedKeys = dialog != nullptr;
          frameBeforeClose = frame != nullptr;
          if (dialog != nullptr) PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
          stage = CLOSE_SENT;
        }
        break;
      case CLOSE_SENT:
        if (frame != nullptr) {
          // No update list on disk: the frame waits for the user, who closes it.
          PostMessageW(frame, WM_CLOSE, 0, 0);
          stage = FRAME_CLOSED;
        }
        break;
      case FRAME_CLOSED:
        break;
    }
  });
  ASSERT_TRUE(result.bExited);
  EXPECT_TRUE(dialogSurvivedKeys);
  EXPECT_FALSE(frameBeforeClose);
  // The frame came up after the system close (and was closed by the watch).
  EXPECT_EQ(FRAME_CLOSED, stage);
  EXPECT_EQ("", run.WaitForGame(1500));
}

}  // namespace
