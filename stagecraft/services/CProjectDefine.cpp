#include "services/CProjectDefine.h"

#include <cstdio>

std::string CProjectDefine::m_szConfigFile = "LayerCommon/project.plist";

namespace {

// The dictionary under key, or an empty one when it is missing or not a dictionary.
cocos2d::ValueMap Dictionary(const cocos2d::ValueMap& map, const char* key)
{
    auto it = map.find(key);
    if (it == map.end() || it->second.getType() != cocos2d::Value::Type::MAP)
        return cocos2d::ValueMap();
    return it->second.asValueMap();
}

// Missing keys read as empty texts and zeros.
std::string ReadString(const cocos2d::ValueMap& map, const char* key)
{
    auto it = map.find(key);
    return it == map.end() ? std::string() : it->second.asString();
}

int ReadInt(const cocos2d::ValueMap& map, const char* key)
{
    auto it = map.find(key);
    return it == map.end() ? 0 : it->second.asInt();
}

} // namespace

CProjectDefine::CProjectDefine()
    : m_dwLogonPort(0), m_wPlatformID(0), m_wGameKindID(0), m_dwVersionPlaza(0), m_dwVersionClient(0),
      m_dwVersionMobile(0)
{
    initProjectDefine();
}

// The engine object part is this object's own; everything else is copied.
CProjectDefine::CProjectDefine(const CProjectDefine& other)
    : cocos2d::Ref(), COptionDelegate(other), CAccountDataDelegate(other)
{
    CopyConfiguration(other);
}

CProjectDefine& CProjectDefine::operator=(const CProjectDefine& other)
{
    if (this != &other) {
        COptionDelegate::operator=(other);
        CAccountDataDelegate::operator=(other);
        CopyConfiguration(other);
    }
    return *this;
}

CProjectDefine::~CProjectDefine() = default;

void CProjectDefine::CopyConfiguration(const CProjectDefine& other)
{
    m_strLogonAddress = other.m_strLogonAddress;
    m_dwLogonPort = other.m_dwLogonPort;
    m_strCompilatio = other.m_strCompilatio;
    m_strProcessKey = other.m_strProcessKey;
    m_strChannelKey = other.m_strChannelKey;
    m_wPlatformID = other.m_wPlatformID;
    m_wGameKindID = other.m_wGameKindID;
    m_strGameName = other.m_strGameName;
    m_dwVersionPlaza = other.m_dwVersionPlaza;
    m_dwVersionClient = other.m_dwVersionClient;
    m_dwVersionMobile = other.m_dwVersionMobile;
}

unsigned long CProjectDefine::PackVersion(const std::string& text)
{
    int part[4] = { 0, 0, 0, 0 };
    std::sscanf(text.c_str(), "%d,%d,%d,%d", &part[0], &part[1], &part[2], &part[3]);
    unsigned long packed = 0;
    for (int p : part)
        packed = (packed << 8) | (static_cast<unsigned long>(p) & 0xFFu);
    return packed & 0xFFFFFFFFul;
}

void CProjectDefine::initProjectDefine()
{
    m_wPlatformID = 0;
    const cocos2d::ValueMap project = cocos2d::FileUtils::getInstance()->getValueMapFromFile(m_szConfigFile);

    const cocos2d::ValueMap logon = Dictionary(project, "Info_Logon");
    m_strLogonAddress = ReadString(logon, "Logon_Address");
    m_dwLogonPort = static_cast<unsigned int>(ReadInt(logon, "Logon_Port"));
    m_strCompilatio = ReadString(logon, "Logon_Compilatio");

    const cocos2d::ValueMap device = Dictionary(project, "Info_Device");
    m_strProcessKey = ReadString(device, "Device_Key");
    m_strChannelKey = ReadString(device, "OpenKey");

    const cocos2d::ValueMap game = Dictionary(project, "Info_Game");
    m_wGameKindID = static_cast<unsigned short>(ReadInt(game, "Game_KindID"));
    m_strGameName = ReadString(game, "Game_GameName");

    const cocos2d::ValueMap version = Dictionary(project, "Info_Version");
    m_dwVersionPlaza = static_cast<unsigned int>(PackVersion(ReadString(version, "Version_Plaza")));
    m_dwVersionClient = static_cast<unsigned int>(PackVersion(ReadString(version, "Version_GameClient")));
    m_dwVersionMobile = static_cast<unsigned int>(PackVersion(ReadString(version, "Version_Mobile")));
}

CProjectDefine* GetProject()
{
    static CProjectDefine* project = new CProjectDefine();
    return project;
}
