// The platform's modal message box: a translucent black layer over the
// scene, a nine-slice panel with a title, a wrapped message and one or two
// buttons. It swallows every touch and takes the pointer's hover, so nothing
// below can be pressed while it is shown. A button press removes the alert,
// records which button it was and calls the alert's ended callback.
// Two layouts: mobile (title, panel grown to fit) and desktop (no title,
// buttons from five-frame strips, smaller text).
#pragma once

#include <string>

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class CCScale9SpriteEx;
class CSpriteButton;
class CSpriteImage;
class CSpriteLabel;

class STAGECRAFT_API CSpriteAlert : public cocos2d::Layer, public CSpriteInterface {
public:
    enum TzButtonEnum {
        ALERT_SURE = 0,          // confirm
        ALERT_SURE_CANCEL = 1,   // confirm, cancel
        ALERT_SWITCH_CANCEL = 2, // switch account, cancel (mobile only)
    };
    enum TzButtonExDesc {
        EX_DESC_NONE = 0,
        EX_DESC_IMAGE = 1, // a description image centred on each mobile button
    };

    // Class-wide settings; games may change them before building alerts.
    static std::string m_sButtonFile;
    static std::string m_sButtonFile2;
    static std::string m_sButtonFileDesc;
    static std::string m_sButtonFileDesc2;
    static std::string m_sButtonFileDesc4;
    static std::string m_sBackFile;
    static std::string m_sBackFileTitle;
    static std::string m_sFontTitleName;
    static float m_fFontSize;
    static float m_fContextWidth;
    static float m_fContextDelayHeight;
    static float m_fContextOffsety;
    static bool m_bButtonLabel;
    static TzButtonExDesc m_eButtonExEnum;
    static cocos2d::Vec2 m_sButtonScale;
    static cocos2d::Size m_sButtonSizeAdd;

    CSpriteAlert();
    ~CSpriteAlert() override;

    static CSpriteAlert* create();
    // Mobile layout.
    static CSpriteAlert* create(const std::string& message, TzButtonEnum buttons);
    static CSpriteAlert* create(const std::string& message, cocos2d::Node* target, cocos2d::SEL_CallFuncN callback,
                                TzButtonEnum buttons, int type);
    // Desktop layout.
    static CSpriteAlert* createPC(const std::string& message, TzButtonEnum buttons);

    void SetAlertType(int type) { m_nAlertType = type; }
    int GetAlertType() const { return m_nAlertType; }
    // 0 for the first button, 1 for the second.
    int GetSelectIndex() const { return m_nSelectIndex; }
    cocos2d::Node* GetPressedButton() const { return m_pPressedButton; }
    TzButtonEnum GetButtonEnum() const { return m_eButtonEnum; }
    const cocos2d::Vector<CSpriteButton*>& GetButtons() const { return m_vButtons; }
    CCScale9SpriteEx* GetPanel() const { return m_pScale9; }
    CSpriteLabel* GetMessage() const { return m_pMessage; }
    CSpriteLabel* GetTitleLabel() const { return m_pTitleLabel; }

    void AddAlertButton(const std::string& text);
    // Closes the alert when pressed; placing it is the caller's business.
    void AddAlertButton(CSpriteButton* button);
    void ccButtonEventWithAlertButton(cocos2d::Node* button);

    void SetAlertAutoScale9Pos();
    // Puts cancel on the left (confirm-and-cancel alerts only).
    void SetAlertButtonCutoverPos();

    void onEnter() override;
    void onExit() override;
    void OnMouseMove(cocos2d::Event* event);
    bool OnTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchCancel(cocos2d::Touch* touch, cocos2d::Event* event);

private:
    // An empty alert with the black backdrop and the panel.
    static CSpriteAlert* CreateOnPanel();
    void SetBackLayerColor(cocos2d::Color4B color);
    void SetBackFile(const std::string& file);
    void SetAlertTitle(const std::string& file);
    void SetAlertMessage(const std::string& text);
    void SetAlertButton(TzButtonEnum buttons);
    void SetAlertButtonPC(TzButtonEnum buttons);
    void SetAlertAutoNormal();
    void RemoveAlertButtons();
    // What every alert button gets: index, size margin, scale, type.
    void PrepareAlertButton(CSpriteButton* button, int index);
    // Buttons side by side at y, across a panel width.
    void PlaceButtons(float width, float y);
    cocos2d::Node* Panel();

    cocos2d::LayerColor* m_pBackLayer;
    CCScale9SpriteEx* m_pScale9;
    CSpriteImage* m_pTitleImage;
    CSpriteLabel* m_pTitleLabel;
    CSpriteLabel* m_pMessage;
    TzButtonEnum m_eButtonEnum;
    cocos2d::Vector<CSpriteButton*> m_vButtons;
    unsigned short m_nSelectIndex;
    int m_nAlertType;
    cocos2d::Node* m_pPressedButton;
    bool m_bListening;
};
