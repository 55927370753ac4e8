// User options and account data records.
#include <gtest/gtest.h>

#include <cstring>

#include "services/CAccountDataDelegate.h"
#include "services/COptionDelegate.h"

TEST(Options, FreshRecordHasTheInitialValues)
{
    COptionDelegate option;
    EXPECT_TRUE(option.GetOptionChat());
    EXPECT_EQ(option.GetOptionSound(), 0.0f);
    EXPECT_EQ(option.GetOptionMusic(), 0.0f);
    EXPECT_FALSE(option.GetOptionShake());
    EXPECT_FALSE(option.GetOptionPower());
    EXPECT_FALSE(option.GetOptionLookOn());
    EXPECT_FALSE(option.GetOptionUpdataScore());
    EXPECT_EQ(option.GetOptionMusicID(), 0);
    EXPECT_FALSE(option.GetOptionEntry());
    EXPECT_EQ(option.GetAccountType(), 0);
    EXPECT_FALSE(option.GetAutoFastGame());
    EXPECT_FALSE(option.GetOptionFirst());
    EXPECT_FALSE(option.GetOptionVersion());
    EXPECT_FALSE(option.GetOptionSocket());
}

TEST(Options, InitOptionRestoresAndKeepsVersionAndSocket)
{
    COptionDelegate option;
    option.SetOptionSound(0.7f);
    option.SetOptionMusic(0.4f);
    option.SetOptionChat(false);
    option.SetOptionShake(true);
    option.SetOptionMusicID(3);
    option.SetAccountType(2);
    option.SetOptionFirst(true);
    option.SetOptionVersion(true);
    option.SetOptionSocket(true);

    COptionDelegate copy(option);
    EXPECT_EQ(copy.GetOptionSound(), 0.7f);
    EXPECT_EQ(copy.GetOptionMusicID(), 3);
    EXPECT_FALSE(copy.GetOptionChat());

    option.initOption();
    EXPECT_EQ(option.GetOptionSound(), 0.0f);
    EXPECT_EQ(option.GetOptionMusic(), 0.0f);
    EXPECT_TRUE(option.GetOptionChat());
    EXPECT_FALSE(option.GetOptionShake());
    EXPECT_EQ(option.GetOptionMusicID(), 0);
    EXPECT_EQ(option.GetAccountType(), 0);
    EXPECT_FALSE(option.GetOptionFirst());
    EXPECT_TRUE(option.GetOptionVersion());
    EXPECT_TRUE(option.GetOptionSocket());
}

TEST(AccountData, TextFieldsHoldSixteenBitUnitsOnEverySystem)
{
    CAccountDataDelegate account;
    EXPECT_EQ(sizeof(account.m_szTextField1), 33u * 2);
    EXPECT_EQ(sizeof(account.m_szTextField4), 12u * 2);
    EXPECT_EQ(sizeof(account.m_szTextField7), 33u * 2);
    // A unit holds any 16-bit value and no more.
    account.m_szTextField1[0] = static_cast<AccountTextUnit>(0xFFFF);
    EXPECT_EQ(static_cast<unsigned>(account.m_szTextField1[0]), 0xFFFFu);
    account.m_szTextField1[0] = static_cast<AccountTextUnit>(0x10041);
    EXPECT_EQ(static_cast<unsigned>(account.m_szTextField1[0]), 0x41u);
}

TEST(AccountData, InitEmptiesTextsAndCopiesAreWhole)
{
    CAccountDataDelegate account;
    EXPECT_EQ(account.m_szTextField1[0], 0);
    EXPECT_EQ(account.m_szMachineID[0], 0);

    account.m_szTextField1[0] = L'a';
    account.m_szTextField4[10] = L'9';
    account.m_szTextField7[32] = L'z';
    std::strcpy(account.m_szMachineID, "machine");
    account.m_strExtraText = "extra";
    account.SetGameSkip(true);
    account.SetDeviceType(5);
    account.SetKindID(301);
    account.SetLoadAward(true);

    CAccountDataDelegate copy;
    copy = account;
    EXPECT_EQ(copy.m_szTextField4[10], L'9');
    EXPECT_EQ(copy.m_szTextField7[32], L'z');
    EXPECT_STREQ(copy.m_szMachineID, "machine");
    EXPECT_EQ(copy.m_strExtraText, "extra");
    EXPECT_EQ(copy.GetKindID(), 301u);
    EXPECT_EQ(copy.GetDeviceType(), 5);

    account.initAccountData();
    EXPECT_EQ(account.m_szTextField1[0], 0);
    EXPECT_EQ(account.m_szTextField4[10], 0);
    EXPECT_EQ(account.m_szTextField7[32], 0);
    EXPECT_EQ(account.m_szMachineID[0], 0);
    EXPECT_TRUE(account.m_strExtraText.empty());
    EXPECT_FALSE(account.GetGameSkip());
    EXPECT_EQ(account.GetDeviceType(), 0);
    EXPECT_EQ(account.GetKindID(), 0u);
    EXPECT_FALSE(account.GetLoadAward());
    EXPECT_STREQ(copy.m_szMachineID, "machine");
}
