// The client's user options. Kept in memory only; the game persists them.
#pragma once

#include "StagecraftExport.h"

class STAGECRAFT_API COptionDelegate {
public:
    COptionDelegate();
    virtual ~COptionDelegate();
    // Restores the initial values (the version and socket switches keep theirs).
    virtual void initOption();

    void SetOptionSound(float volume) { m_fOptionSound = volume; }
    float GetOptionSound() const { return m_fOptionSound; }
    void SetOptionMusic(float volume) { m_fOptionMusic = volume; }
    float GetOptionMusic() const { return m_fOptionMusic; }
    void SetOptionShake(bool on) { m_bOptionShake = on; }
    bool GetOptionShake() const { return m_bOptionShake; }
    void SetOptionPower(bool on) { m_bOptionPower = on; }
    bool GetOptionPower() const { return m_bOptionPower; }
    void SetOptionLookOn(bool on) { m_bOptionLookOn = on; }
    bool GetOptionLookOn() const { return m_bOptionLookOn; }
    void SetOptionChat(bool on) { m_bOptionChat = on; }
    bool GetOptionChat() const { return m_bOptionChat; }
    void SetOptionUScore(bool on) { m_bOptionUScore = on; }
    bool GetOptionUpdataScore() const { return m_bOptionUScore; }
    void SetOptionMusicID(int id) { m_nOptionMusicID = id; }
    int GetOptionMusicID() const { return m_nOptionMusicID; }
    void SetOptionEntry(bool on) { m_bOptionEntry = on; }
    bool GetOptionEntry() const { return m_bOptionEntry; }
    void SetAccountType(unsigned char type) { m_cbAccountType = type; }
    unsigned char GetAccountType() const { return m_cbAccountType; }
    void SetAutoFastGame(bool on) { m_bAutoFastGame = on; }
    bool GetAutoFastGame() const { return m_bAutoFastGame; }
    void SetOptionVersion(bool on) { m_bOptionVersion = on; }
    bool GetOptionVersion() const { return m_bOptionVersion; }
    void SetOptionSocket(bool on) { m_bOptionSocket = on; }
    bool GetOptionSocket() const { return m_bOptionSocket; }
    void SetOptionFirst(bool on) { m_bOptionFirst = on; }
    bool GetOptionFirst() const { return m_bOptionFirst; }

private:
    float m_fOptionSound;
    float m_fOptionMusic;
    bool m_bOptionShake;
    bool m_bOptionPower;
    bool m_bOptionLookOn;
    bool m_bOptionChat;
    bool m_bOptionUScore;
    int m_nOptionMusicID;
    bool m_bOptionEntry;
    unsigned char m_cbAccountType;
    bool m_bAutoFastGame;
    bool m_bOptionVersion;
    bool m_bOptionSocket;
    bool m_bOptionFirst;
};
