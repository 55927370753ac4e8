#include "services/CAccountDataDelegate.h"

#include <cstring>

CAccountDataDelegate::CAccountDataDelegate()
{
    initAccountData();
}

CAccountDataDelegate::~CAccountDataDelegate() = default;

void CAccountDataDelegate::initAccountData()
{
    std::memset(m_szTextField1, 0, sizeof(m_szTextField1));
    std::memset(m_szTextField2, 0, sizeof(m_szTextField2));
    std::memset(m_szTextField3, 0, sizeof(m_szTextField3));
    std::memset(m_szTextField4, 0, sizeof(m_szTextField4));
    std::memset(m_szTextField5, 0, sizeof(m_szTextField5));
    std::memset(m_szTextField6, 0, sizeof(m_szTextField6));
    std::memset(m_szTextField7, 0, sizeof(m_szTextField7));
    std::memset(m_szMachineID, 0, sizeof(m_szMachineID));
    m_strExtraText.clear();
    m_bGameSkip = false;
    m_cbDeviceType = 0;
    m_dwKindID = 0;
    m_bLoadAward = false;
}
