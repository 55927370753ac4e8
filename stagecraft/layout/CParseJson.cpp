#include "layout/CParseJson.h"

#include "layout/CParseLayer.h"

CParseJson* CParseJson::shareParseJson()
{
    static CParseJson* instance = new CParseJson();
    return instance;
}

CParseJson* GetParseJson()
{
    return CParseJson::shareParseJson();
}

CParseJson::CParseJson() : m_pRootLayer(nullptr), m_fDesignWidth(0.0f), m_fDesignHeight(0.0f) {}

CParseJson::CParseJson(const CParseJson& other)
    : cocos2d::Ref(), m_pRootLayer(other.m_pRootLayer), m_fDesignWidth(other.m_fDesignWidth),
      m_fDesignHeight(other.m_fDesignHeight)
{
}

CParseJson& CParseJson::operator=(const CParseJson& other)
{
    m_pRootLayer = other.m_pRootLayer;
    m_fDesignWidth = other.m_fDesignWidth;
    m_fDesignHeight = other.m_fDesignHeight;
    return *this;
}

CParseJson::~CParseJson() {}

cocos2d::Node* CParseJson::ParseLayerJsonFile(const char*, CParseLayer*) { return nullptr; }
cocos2d::Node* CParseJson::ParseLayerJsonNode(Json*, int) { return nullptr; }
void CParseJson::SetAutoPositionWithNode(cocos2d::Node*) {}
void CParseJson::SetPropertyForCNode(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForCNodeColor(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForSprite(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForLayer(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForButton(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForTextButton(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForScrollView(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForLabel(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForLabelAtlas(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForLabelAtlasButton(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForLayerGradient(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForLayerEx(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForScale9Sprite(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForControlSlider(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForImageView(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForEditBox(cocos2d::Node*, Json*) {}
void CParseJson::SetPropertyForUIJsonData(cocos2d::Node*, Json*) {}
void CParseJson::RouteToRootLayer(cocos2d::Node*) {}
void CParseJson::AnnounceToRootLayer(cocos2d::Node*) {}
