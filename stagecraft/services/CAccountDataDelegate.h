// The signed-in account's data. The game fills and reads the text fields
// directly; the library clears and copies them and gives the machine
// identifier a placeholder when it is empty.
#pragma once

#include <string>

#include "StagecraftExport.h"

class STAGECRAFT_API CAccountDataDelegate {
public:
    CAccountDataDelegate();
    virtual ~CAccountDataDelegate();
    // Empties every text field and the extra text and clears the switches.
    virtual void initAccountData();

    void SetGameSkip(bool skip) { m_bGameSkip = skip; }
    bool GetGameSkip() const { return m_bGameSkip; }
    void SetDeviceType(unsigned char type) { m_cbDeviceType = type; }
    unsigned char GetDeviceType() const { return m_cbDeviceType; }
    void SetKindID(unsigned int kind) { m_dwKindID = kind; }
    unsigned int GetKindID() const { return m_dwKindID; }
    void SetLoadAward(bool award) { m_bLoadAward = award; }
    bool GetLoadAward() const { return m_bLoadAward; }

    // 0-ended arrays of 16-bit Unicode units.
    wchar_t m_szTextField1[33];
    wchar_t m_szTextField2[33];
    wchar_t m_szTextField3[33];
    wchar_t m_szTextField4[12];
    wchar_t m_szTextField5[33];
    wchar_t m_szTextField6[33];
    wchar_t m_szTextField7[33];
    // 0-ended text.
    char m_szMachineID[128];
    std::string m_strExtraText;

private:
    bool m_bGameSkip;
    unsigned char m_cbDeviceType;
    unsigned int m_dwKindID;
    bool m_bLoadAward;
};
