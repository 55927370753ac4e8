// A byte payload carried as an engine object: a text, or a command with main
// and sub command ids. The buffer holds one zero byte after the payload, so a
// text payload is also a terminated string.
#pragma once

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CSpriteData : public cocos2d::Ref, public CSpriteInterface {
public:
    enum _DataType {
        DATA_TEXT = 0,
        DATA_COMMAND = 100,
    };

    // Copies size bytes; the type is also kept as the parameter record's type data.
    static CSpriteData* create(void* data, unsigned short size, _DataType type);
    // Copies size bytes of a command payload.
    static CSpriteData* create(unsigned short mainCmd, unsigned short subCmd, void* data, unsigned short size);
    // A text payload (the terminated text); object joins the object slots.
    static CSpriteData* create(void* text, cocos2d::Ref* object);

    CSpriteData();
    // Copies the other's payload, size and type (not its command ids).
    explicit CSpriteData(const CSpriteData* other);
    // Copies own a payload of their own.
    CSpriteData(const CSpriteData& other);
    CSpriteData& operator=(const CSpriteData& other);
    ~CSpriteData() override;

    char* GetData() const { return m_pData; }
    unsigned short GetSize() const { return m_wDataSize; }
    int GetType() const { return m_eDataType; }
    void GetType(_DataType type) { m_eDataType = type; }
    unsigned short GetMainCmdID() const { return m_wMainCmdID; }
    unsigned short GetSubCmdID() const { return m_wSubCmdID; }

private:
    // Replaces the payload with a copy of size bytes of data (zeros when data is null).
    void SetPayload(const void* data, unsigned short size);

    int m_eDataType;
    unsigned short m_wMainCmdID;
    unsigned short m_wSubCmdID;
    unsigned short m_wDataSize;
    char* m_pData;
};
