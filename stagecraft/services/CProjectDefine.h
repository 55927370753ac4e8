// The client's configuration, read once from the project's property list, with
// the options and account data; one process-wide object reached by GetProject().
#pragma once

#include <string>

#include "cocos2d.h"

#include "services/CAccountDataDelegate.h"
#include "services/COptionDelegate.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CProjectDefine : public cocos2d::Ref, public COptionDelegate, public CAccountDataDelegate {
public:
    // Reads m_szConfigFile.
    CProjectDefine();
    CProjectDefine(const CProjectDefine& other);
    CProjectDefine& operator=(const CProjectDefine& other);
    ~CProjectDefine() override;

    // Reads m_szConfigFile; a missing file or dictionary leaves empty texts and zeros.
    void initProjectDefine();

    const char* GetLogonAddress() const { return m_strLogonAddress.c_str(); }
    unsigned long GetLogonPort() const { return m_dwLogonPort; }
    const char* GetCompilatio() const { return m_strCompilatio.c_str(); }
    const char* GetProcessKey() const { return m_strProcessKey.c_str(); }
    const char* GetChannelKey() const { return m_strChannelKey.c_str(); }
    unsigned short GetPlatformID() const { return m_wPlatformID; }
    unsigned short GetGameKindID() const { return m_wGameKindID; }
    const char* GetGameName() const { return m_strGameName.c_str(); }
    unsigned long GetVersionPlaza() const { return m_dwVersionPlaza; }
    unsigned long GetVersionClient() const { return m_dwVersionClient; }
    unsigned long GetVersionMobile() const { return m_dwVersionMobile; }

    // "a,b,c,d" as (a << 24) | (b << 16) | (c << 8) | d, each number's low
    // 8 bits; missing numbers count 0.
    static unsigned long PackVersion(const std::string& text);

    // The property list read by the first GetProject(); the game may change it before.
    static std::string m_szConfigFile;

private:
    void CopyConfiguration(const CProjectDefine& other);

    std::string m_strLogonAddress;
    unsigned int m_dwLogonPort;
    std::string m_strCompilatio;
    std::string m_strProcessKey;
    std::string m_strChannelKey;
    unsigned short m_wPlatformID;
    unsigned short m_wGameKindID;
    std::string m_strGameName;
    unsigned int m_dwVersionPlaza;
    unsigned int m_dwVersionClient;
    unsigned int m_dwVersionMobile;
};

// The process-wide configuration, created with the file read on the first call.
STAGECRAFT_API CProjectDefine* GetProject();
