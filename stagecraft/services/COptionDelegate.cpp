#include "services/COptionDelegate.h"

COptionDelegate::COptionDelegate() : m_bOptionVersion(false), m_bOptionSocket(false)
{
    initOption();
}

COptionDelegate::~COptionDelegate() = default;

void COptionDelegate::initOption()
{
    m_fOptionSound = 0.0f;
    m_fOptionMusic = 0.0f;
    m_bOptionShake = false;
    m_bOptionPower = false;
    m_bOptionLookOn = false;
    m_bOptionChat = true;
    m_bOptionUScore = false;
    m_nOptionMusicID = 0;
    m_bOptionEntry = false;
    m_cbAccountType = 0;
    m_bAutoFastGame = false;
    m_bOptionFirst = false;
}
