#include "layout/CSpriteParamData.h"

CSpriteParamData::CSpriteParamData() : m_fParamData{}, m_nTypeData(0)
{
    InitSpriteParamData();
}

CSpriteParamData::~CSpriteParamData() = default;

void CSpriteParamData::InitSpriteParamData()
{
    for (void*& slot : m_pParamObject)
        slot = nullptr;
    m_fParamFloat = 0.0f;
    m_sParamPoint = cocos2d::Vec2(0.0f, 0.0f);
    m_bParamBool = false;
    m_lParamScore = 0;
    m_nParamInt = 0;
    m_nParamDataCount = 0;
    m_nParamObjectCount = 0;
    m_nMainType = 0;
    m_nSubType = 0;
    m_strParamText1.clear();
    m_strParamText2.clear();
    m_strParamText3.clear();
}

void CSpriteParamData::ResetSpriteParamData()
{
    InitSpriteParamData();
}

bool CSpriteParamData::SetParamObject(void* object)
{
    if (m_nParamObjectCount < 0 || m_nParamObjectCount >= PARAM_CAPACITY)
        return false;
    m_pParamObject[m_nParamObjectCount++] = object;
    return true;
}

void* CSpriteParamData::GetParamObject(int index) const
{
    if (index < 0 || index >= PARAM_CAPACITY)
        return nullptr;
    return m_pParamObject[index];
}

bool CSpriteParamData::setParamDataN(float value, int index)
{
    if (index == -1) {
        if (m_nParamDataCount < 0 || m_nParamDataCount >= PARAM_CAPACITY)
            return false;
        m_fParamData[m_nParamDataCount++] = value;
        return true;
    }
    if (index < 0 || index >= PARAM_CAPACITY)
        return false;
    m_fParamData[index] = value;
    return true;
}

float CSpriteParamData::getParamDataN(int index) const
{
    if (index < 0 || index >= PARAM_CAPACITY)
        return 0.0f;
    return m_fParamData[index];
}
