// A widget's record from the layout file: its name, index and the root layer
// of the parse that built it.
#pragma once

#include <string>

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CSpriteUIJsonData {
public:
    CSpriteUIJsonData();
    virtual ~CSpriteUIJsonData();

    // Replaces the name; the index stays.
    void SetJsonName(const std::string& name);
    // Replaces the name and stores index; an index other than -1 is appended
    // to the name in decimal.
    void SetJsonName(const std::string& name, int index);
    // The name becomes name followed by suffix.
    void SetJsonName(const std::string& name, const std::string& suffix);

    const char* GetJsonName() const { return m_strJsonName.c_str(); }
    int GetJsonIndex() const { return m_nJsonIndex; }
    // The name's last character; an empty name gives an empty text.
    const char* GetJsonNameLastChar() const;
    // The digit the name ends in, or 0 when it ends in something else.
    int GetJsonNameLastCharIntValue() const;

    void SetJsonParent(cocos2d::Node* parent) { m_pJsonParent = parent; }
    cocos2d::Node* GetJsonParent() const { return m_pJsonParent; }

    void InitSpriteUIJsonData();

private:
    cocos2d::Node* m_pJsonParent;
    std::string m_strJsonName;
    int m_nJsonIndex;
    int m_nJsonData;
};
