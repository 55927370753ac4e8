// The project configuration read from its property list, the machine
// identifier and the engine accessors.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "cocos2d.h"

#include "services/CProjectDefine.h"
#include "services/TzPlatform.h"

namespace {

// Writes a property list into the working folder, where the engine's file
// search finds it; returns its name.
std::string WritePlist(const std::string& name, const std::string& body)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n"
        << body << "</dict>\n</plist>\n";
    return name;
}

const char kFullProject[] =
    "<key>Info_Logon</key><dict>\n"
    "  <key>Logon_Address</key><string>logon.example.net</string>\n"
    "  <key>Logon_Port</key><integer>8600</integer>\n"
    "  <key>Logon_Compilatio</key><string>C5A8-77</string>\n"
    "</dict>\n"
    "<key>Info_Device</key><dict>\n"
    "  <key>Device_Key</key><string>proc-key</string>\n"
    "  <key>OpenKey</key><string>channel-7</string>\n"
    "</dict>\n"
    "<key>Info_Game</key><dict>\n"
    "  <key>Game_KindID</key><integer>302</integer>\n"
    "  <key>Game_GameName</key><string>Mahjong</string>\n"
    "</dict>\n"
    "<key>Info_Version</key><dict>\n"
    "  <key>Version_Plaza</key><string>6,0,3,0</string>\n"
    "  <key>Version_GameClient</key><string>1,2,3,300</string>\n"
    "  <key>Version_Mobile</key><string>2,5</string>\n"
    "</dict>\n";

class ProjectFile : public testing::Test {
protected:
    void TearDown() override { CProjectDefine::m_szConfigFile = "LayerCommon/project.plist"; }
};

} // namespace

TEST_F(ProjectFile, ReadsEveryValue)
{
    CProjectDefine::m_szConfigFile = WritePlist("stagecraft_project_full.plist", kFullProject);
    CProjectDefine project;
    EXPECT_STREQ(project.GetLogonAddress(), "logon.example.net");
    EXPECT_EQ(project.GetLogonPort(), 8600u);
    EXPECT_STREQ(project.GetCompilatio(), "C5A8-77");
    EXPECT_STREQ(project.GetProcessKey(), "proc-key");
    EXPECT_STREQ(project.GetChannelKey(), "channel-7");
    EXPECT_EQ(project.GetPlatformID(), 0);
    EXPECT_EQ(project.GetGameKindID(), 302);
    EXPECT_STREQ(project.GetGameName(), "Mahjong");
}

TEST_F(ProjectFile, VersionPacking)
{
    CProjectDefine::m_szConfigFile = WritePlist("stagecraft_project_full.plist", kFullProject);
    CProjectDefine project;
    EXPECT_EQ(project.GetVersionPlaza(), 100664064ul);  // bytes 6, 0, 3, 0
    EXPECT_EQ(project.GetVersionClient(), 16909100ul);  // 300 keeps its low byte: 1, 2, 3, 44
    EXPECT_EQ(project.GetVersionMobile(), 0x02050000ul); // missing numbers count 0
    EXPECT_EQ(CProjectDefine::PackVersion("255,255,255,255"), 0xFFFFFFFFul);
    EXPECT_EQ(CProjectDefine::PackVersion(""), 0ul);
}

TEST_F(ProjectFile, NumbersWrittenAsTextAndTextsAsNumbers)
{
    CProjectDefine::m_szConfigFile = WritePlist("stagecraft_project_mixed.plist",
        "<key>Info_Logon</key><dict>\n"
        "  <key>Logon_Port</key><string>9100</string>\n"
        "  <key>Logon_Address</key><integer>17</integer>\n"
        "</dict>\n"
        "<key>Info_Game</key><dict><key>Game_KindID</key><string>65537</string></dict>\n");
    CProjectDefine project;
    EXPECT_EQ(project.GetLogonPort(), 9100u);
    EXPECT_STREQ(project.GetLogonAddress(), "17");
    EXPECT_EQ(project.GetGameKindID(), 1); // kept in 16 bits
    // Missing keys and dictionaries read as empty texts and zeros.
    EXPECT_STREQ(project.GetCompilatio(), "");
    EXPECT_STREQ(project.GetProcessKey(), "");
    EXPECT_EQ(project.GetVersionPlaza(), 0ul);
}

TEST_F(ProjectFile, MissingFileGivesEmptyTextsAndZeros)
{
    CProjectDefine::m_szConfigFile = "no_such_folder/project.plist";
    CProjectDefine project;
    EXPECT_STREQ(project.GetLogonAddress(), "");
    EXPECT_EQ(project.GetLogonPort(), 0u);
    EXPECT_STREQ(project.GetGameName(), "");
    EXPECT_EQ(project.GetGameKindID(), 0);
    EXPECT_EQ(project.GetVersionClient(), 0ul);
    EXPECT_TRUE(project.GetOptionChat());
}

TEST_F(ProjectFile, CopiesCarryOptionsAndAccountData)
{
    CProjectDefine::m_szConfigFile = WritePlist("stagecraft_project_full.plist", kFullProject);
    CProjectDefine project;
    project.SetOptionMusic(0.25f);
    project.m_szTextField2[0] = L'Q';
    project.retain(); // a reference count the copy must not take over

    CProjectDefine copy(project);
    EXPECT_STREQ(copy.GetGameName(), "Mahjong");
    EXPECT_EQ(copy.GetVersionPlaza(), project.GetVersionPlaza());
    EXPECT_EQ(copy.GetOptionMusic(), 0.25f);
    EXPECT_EQ(copy.m_szTextField2[0], L'Q');
    EXPECT_EQ(copy.getReferenceCount(), 1u);
    project.release();
}

// The process-wide object: read once from the file named before the first call.
TEST(Project, SingletonReadsItsFileOnce)
{
    CProjectDefine::m_szConfigFile = WritePlist("stagecraft_project_full.plist", kFullProject);
    CProjectDefine* project = GetProject();
    ASSERT_NE(project, nullptr);
    EXPECT_STREQ(project->GetGameName(), "Mahjong");

    CProjectDefine::m_szConfigFile = "no_such_folder/project.plist";
    EXPECT_EQ(GetProject(), project);
    EXPECT_STREQ(GetProject()->GetGameName(), "Mahjong");
    CProjectDefine::m_szConfigFile = "LayerCommon/project.plist";
}

TEST(Platform, MachineIdentifierPlaceholder)
{
    CProjectDefine* project = GetProject();
    project->m_szMachineID[0] = 0;
    TzGetMacAddress(0);
    EXPECT_STREQ(project->m_szMachineID, "40917352268054193376521408853927");

    std::snprintf(project->m_szMachineID, sizeof(project->m_szMachineID), "%s", "AA-BB");
    TzGetMacAddress(1);
    EXPECT_STREQ(project->m_szMachineID, "AA-BB");
    EXPECT_EQ(TzGetDeviceTypeID(0), nullptr);
}

TEST(Platform, EngineAccessors)
{
    EXPECT_EQ(GetUserDefault(), cocos2d::UserDefault::getInstance());

    cocos2d::Node* parent = cocos2d::Node::create();
    for (int tag : { 1, 7, 3, 9, 5 }) {
        cocos2d::Node* child = cocos2d::Node::create();
        child->setTag(tag);
        parent->addChild(child);
    }
    TzRemoveNodeChildTag(parent, 5);
    ASSERT_EQ(parent->getChildrenCount(), 3u);
    EXPECT_EQ(parent->getChildren().at(0)->getTag(), 1);
    EXPECT_EQ(parent->getChildren().at(1)->getTag(), 3);
    EXPECT_EQ(parent->getChildren().at(2)->getTag(), 5);
    TzRemoveNodeChildTag(nullptr, 0);
}
