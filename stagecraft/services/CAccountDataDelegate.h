// The signed-in account's data. The game fills and reads the text fields
// directly; the library clears and copies them and gives the machine
// identifier a placeholder when it is empty.
#pragma once

#include <string>
#include <type_traits>

#include "StagecraftExport.h"

// One UTF-16 unit of the account's text fields, 16 bits on every system:
// wchar_t where it has 16 bits (Windows, so the fields go straight to the
// system's wide-text functions), char16_t where it is wider.
using AccountTextUnit = std::conditional<sizeof(wchar_t) == 2, wchar_t, char16_t>::type;
static_assert(sizeof(AccountTextUnit) == 2, "account text units are 16 bits");

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
    AccountTextUnit m_szTextField1[33];
    AccountTextUnit m_szTextField2[33];
    AccountTextUnit m_szTextField3[33];
    AccountTextUnit m_szTextField4[12];
    AccountTextUnit m_szTextField5[33];
    AccountTextUnit m_szTextField6[33];
    AccountTextUnit m_szTextField7[33];
    // 0-ended text.
    char m_szMachineID[128];
    std::string m_strExtraText;

private:
    bool m_bGameSkip;
    unsigned char m_cbDeviceType;
    unsigned int m_dwKindID;
    bool m_bLoadAward;
};
