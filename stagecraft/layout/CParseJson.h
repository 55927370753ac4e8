// Turns a layout file from the user-interface editor (a JSON widget tree with
// the resolution it was designed for) into a tree of the library's widgets:
// one widget per entry by its class and name, the entry's properties applied,
// its name kept in the widget's layout record, buttons routed to the root
// layer, and every widget moved or stretched by the prefix of its name to fit
// the running scene. One instance serves the process.
#pragma once

#include "cocos2d.h"
#include "spine/Json.h"

#include "layout/JsonAccess.h"
#include "StagecraftExport.h"

class CParseLayer;

class STAGECRAFT_API CParseJson : public cocos2d::Ref {
public:
    // The process-wide parser, made on first use and never destroyed.
    static CParseJson* shareParseJson();

    CParseJson();
    CParseJson(const CParseJson& other);
    CParseJson& operator=(const CParseJson& other);
    ~CParseJson() override;

    // Builds the tree of file into layer (which may be null) and returns its
    // root, or null when the file cannot be read, is not JSON, holds no
    // widget tree or its root yields no widget.
    cocos2d::Node* ParseLayerJsonFile(const char* file, CParseLayer* layer);
    // Builds one entry and its children; depth 0 is the root entry.
    cocos2d::Node* ParseLayerJsonNode(Json* entry, int depth);

    // Moves or stretches node by the prefix of its layout name against the
    // design size of the last parse and the scene of the screen adaptation.
    void SetAutoPositionWithNode(cocos2d::Node* node);

    // Property setters: node must be of the class each one serves (anything
    // else is left alone); options is the entry's "options" object.
    void SetPropertyForCNode(cocos2d::Node* node, Json* options);
    void SetPropertyForCNodeColor(cocos2d::Node* node, Json* options);
    void SetPropertyForSprite(cocos2d::Node* node, Json* options);
    void SetPropertyForLayer(cocos2d::Node* node, Json* options);
    void SetPropertyForButton(cocos2d::Node* node, Json* options);
    void SetPropertyForTextButton(cocos2d::Node* node, Json* options);
    void SetPropertyForScrollView(cocos2d::Node* node, Json* options);
    void SetPropertyForLabel(cocos2d::Node* node, Json* options);
    void SetPropertyForLabelAtlas(cocos2d::Node* node, Json* options);
    void SetPropertyForLabelAtlasButton(cocos2d::Node* node, Json* options);
    void SetPropertyForLayerGradient(cocos2d::Node* node, Json* options);
    void SetPropertyForLayerEx(cocos2d::Node* node, Json* options);
    void SetPropertyForScale9Sprite(cocos2d::Node* node, Json* options);
    void SetPropertyForControlSlider(cocos2d::Node* node, Json* options);
    void SetPropertyForImageView(cocos2d::Node* node, Json* options);
    void SetPropertyForEditBox(cocos2d::Node* node, Json* options);
    void SetPropertyForUIJsonData(cocos2d::Node* node, Json* options);

    // State of the last parse.
    CParseLayer* GetRootLayer() const { return m_pRootLayer; }
    float GetDesignWidth() const { return m_fDesignWidth; }
    float GetDesignHeight() const { return m_fDesignHeight; }

private:
    // Routes the began/moved/ended events of button's callback record to the root layer.
    void RouteToRootLayer(cocos2d::Node* button);
    void AnnounceToRootLayer(cocos2d::Node* node);

    CParseLayer* m_pRootLayer;
    float m_fDesignWidth;
    float m_fDesignHeight;
};

// The same process-wide parser as CParseJson::shareParseJson().
STAGECRAFT_API CParseJson* GetParseJson();
