// Values game code parks on a widget: ten object slots, ten float values and
// a handful of typed parameters.
#pragma once

#include <string>

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CSpriteParamData {
public:
    // Room in the object slots and in the float values.
    static const int PARAM_CAPACITY = 10;

    CSpriteParamData();
    virtual ~CSpriteParamData();

    void SetParamFloat(float value) { m_fParamFloat = value; }
    float GetParamFloat() const { return m_fParamFloat; }
    void SetParamInt(int value) { m_nParamInt = value; }
    int GetParamInt() const { return m_nParamInt; }
    void SetParamBool(bool value) { m_bParamBool = value; }
    bool GetParamBool() const { return m_bParamBool; }
    void SetParamScore(long long value) { m_lParamScore = value; }
    long long GetParamScore() const { return m_lParamScore; }
    void SetParamPoint(cocos2d::Vec2 point) { m_sParamPoint = point; }
    cocos2d::Vec2 GetParamPoint() const { return m_sParamPoint; }

    // Appends to the object slots; refused (returns false) when all ten are used.
    bool SetParamObject(void* object);
    // The slot's object, null outside the ten slots.
    void* GetParamObject(int index) const;
    int GetParamObjectCount() const { return m_nParamObjectCount; }

    // With index -1 appends to the float values (refused, returning false,
    // when all ten are used); otherwise writes value index and leaves the count.
    bool setParamDataN(float value, int index = -1);
    // The value, 0 outside the ten values.
    float getParamDataN(int index) const;
    int getParamDataCount() const { return m_nParamDataCount; }

    void SetMainType(int type) { m_nMainType = type; }
    int GetMainType() const { return m_nMainType; }
    void SetSubType(int type) { m_nSubType = type; }
    int GetSubType() const { return m_nSubType; }
    void SetTypeData(int data) { m_nTypeData = data; }
    int GetTypeData() const { return m_nTypeData; }

    // Clears everything but the float values themselves and the type data.
    void InitSpriteParamData();
    void ResetSpriteParamData();

    std::string m_strParamText1;
    std::string m_strParamText2;
    std::string m_strParamText3;

private:
    void* m_pParamObject[PARAM_CAPACITY];
    float m_fParamFloat;
    cocos2d::Vec2 m_sParamPoint;
    bool m_bParamBool;
    long long m_lParamScore;
    int m_nParamInt;
    float m_fParamData[PARAM_CAPACITY];
    int m_nParamDataCount;
    int m_nParamObjectCount;
    int m_nMainType;
    int m_nSubType;
    int m_nTypeData;
};
