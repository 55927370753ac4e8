#include "layout/CSpriteUIJsonData.h"

#include <cstdlib>

CSpriteUIJsonData::CSpriteUIJsonData()
{
    InitSpriteUIJsonData();
}

CSpriteUIJsonData::~CSpriteUIJsonData() = default;

void CSpriteUIJsonData::InitSpriteUIJsonData()
{
    m_pJsonParent = nullptr;
    m_strJsonName.clear();
    m_nJsonIndex = 0;
    m_nJsonData = 0;
}

void CSpriteUIJsonData::SetJsonName(const std::string& name)
{
    m_strJsonName = name;
}

void CSpriteUIJsonData::SetJsonName(const std::string& name, int index)
{
    m_strJsonName = name;
    m_nJsonIndex = index;
    if (index != -1)
        m_strJsonName += std::to_string(index);
}

void CSpriteUIJsonData::SetJsonName(const std::string& name, const std::string& suffix)
{
    m_strJsonName = name + suffix;
}

const char* CSpriteUIJsonData::GetJsonNameLastChar() const
{
    if (m_strJsonName.empty())
        return m_strJsonName.c_str();
    return m_strJsonName.c_str() + m_strJsonName.size() - 1;
}

int CSpriteUIJsonData::GetJsonNameLastCharIntValue() const
{
    return std::atoi(GetJsonNameLastChar());
}
