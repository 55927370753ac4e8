#include "layout/CSpriteData.h"

#include <cstring>

CSpriteData::CSpriteData() : m_eDataType(DATA_TEXT), m_wMainCmdID(0), m_wSubCmdID(0), m_wDataSize(0), m_pData(nullptr)
{
    SetPayload(nullptr, 0);
}

CSpriteData::CSpriteData(const CSpriteData* other) : CSpriteData()
{
    if (other == nullptr)
        return;
    SetPayload(other->m_pData, other->m_wDataSize);
    m_eDataType = other->m_eDataType;
}

// The engine object part is this object's own (its reference count starts
// afresh); the records and the payload are copied.
CSpriteData::CSpriteData(const CSpriteData& other)
    : cocos2d::Ref(), CSpriteInterface(other), m_eDataType(other.m_eDataType), m_wMainCmdID(other.m_wMainCmdID),
      m_wSubCmdID(other.m_wSubCmdID), m_wDataSize(0), m_pData(nullptr)
{
    SetPayload(other.m_pData, other.m_wDataSize);
}

CSpriteData& CSpriteData::operator=(const CSpriteData& other)
{
    if (this != &other) {
        CSpriteInterface::operator=(other);
        m_eDataType = other.m_eDataType;
        m_wMainCmdID = other.m_wMainCmdID;
        m_wSubCmdID = other.m_wSubCmdID;
        SetPayload(other.m_pData, other.m_wDataSize);
    }
    return *this;
}

CSpriteData::~CSpriteData()
{
    delete[] m_pData;
}

void CSpriteData::SetPayload(const void* data, unsigned short size)
{
    char* payload = new char[static_cast<size_t>(size) + 1];
    if (data != nullptr)
        std::memcpy(payload, data, size);
    else
        std::memset(payload, 0, size);
    payload[size] = 0;
    delete[] m_pData;
    m_pData = payload;
    m_wDataSize = size;
}

CSpriteData* CSpriteData::create(void* data, unsigned short size, _DataType type)
{
    CSpriteData* object = new CSpriteData();
    object->SetPayload(data, size);
    object->m_eDataType = type;
    object->SetTypeData(type);
    object->autorelease();
    return object;
}

CSpriteData* CSpriteData::create(unsigned short mainCmd, unsigned short subCmd, void* data, unsigned short size)
{
    CSpriteData* object = new CSpriteData();
    object->SetPayload(data, size);
    object->m_eDataType = DATA_COMMAND;
    object->m_wMainCmdID = mainCmd;
    object->m_wSubCmdID = subCmd;
    object->autorelease();
    return object;
}

CSpriteData* CSpriteData::create(void* text, cocos2d::Ref* object)
{
    const size_t length = text != nullptr ? std::strlen(static_cast<const char*>(text)) : 0;
    // The size field is 16 bits; longer texts keep their first 65535 bytes.
    const unsigned short size = static_cast<unsigned short>(length > 0xFFFF ? 0xFFFF : length);
    CSpriteData* data = new CSpriteData();
    data->SetPayload(text, size);
    data->m_eDataType = DATA_TEXT;
    data->SetParamObject(object);
    data->autorelease();
    return data;
}
