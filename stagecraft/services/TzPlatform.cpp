#include "services/TzPlatform.h"

#include <cstring>

#include "services/CProjectDefine.h"

namespace {

const char kMachinePlaceholder[] = "40917352268054193376521408853927";

} // namespace

void TzGetMacAddress(unsigned short)
{
    CProjectDefine* project = GetProject();
    if (project->m_szMachineID[0] != 0)
        return;
    static_assert(sizeof(kMachinePlaceholder) <= sizeof(project->m_szMachineID), "placeholder fits");
    std::memcpy(project->m_szMachineID, kMachinePlaceholder, sizeof(kMachinePlaceholder));
}

const char* TzGetDeviceTypeID(unsigned short)
{
    return nullptr;
}

void TzGetMacAddress_Android(unsigned short) {}

void TzGetMacAddress_IOS(unsigned short) {}

void TzGetApkInfoAddress_Android(const char*) {}

void TzStartGameWithPackageName_Android(const char*) {}

cocos2d::UserDefault* GetUserDefault()
{
    return cocos2d::UserDefault::getInstance();
}

void TzRemoveNodeChildTag(cocos2d::Node* parent, int tag)
{
    if (parent == nullptr)
        return;
    // A copy of the child list: removing changes the parent's own.
    const cocos2d::Vector<cocos2d::Node*> children = parent->getChildren();
    for (cocos2d::Node* child : children) {
        if (child->getTag() > tag)
            child->removeFromParent();
    }
}
