#ifndef __CC_PLATFORM_MACROS_H__
#define __CC_PLATFORM_MACROS_H__

#include <functional>
#include <new>
#include "platform/CCPlatformConfig.h"
#include "platform/CCPlatformDefine.h"

// create() for classes with a parameterless init(): allocate, initialise,
// autorelease; null when init() fails.
#define CREATE_FUNC(__TYPE__)                     \
  static __TYPE__* create()                       \
  {                                               \
    __TYPE__* pRet = new (std::nothrow) __TYPE__(); \
    if (pRet && pRet->init())                     \
    {                                             \
      pRet->autorelease();                        \
      return pRet;                                \
    }                                             \
    else                                          \
    {                                             \
      delete pRet;                                \
      pRet = nullptr;                             \
      return nullptr;                             \
    }                                             \
  }

#define NODE_FUNC(__TYPE__)                       \
  static __TYPE__* node()                         \
  {                                               \
    __TYPE__* pRet = new (std::nothrow) __TYPE__(); \
    if (pRet && pRet->init())                     \
    {                                             \
      pRet->autorelease();                        \
      return pRet;                                \
    }                                             \
    delete pRet;                                  \
    return nullptr;                               \
  }

#define NS_CC_BEGIN namespace cocos2d {
#define NS_CC_END }
#define USING_NS_CC using namespace cocos2d
#define NS_CC cocos2d

// Properties: a protected member with virtual accessors.
#define CC_PROPERTY_READONLY(varType, varName, funName) \
  protected: varType varName;                            \
  public: virtual varType get##funName(void) const;

#define CC_PROPERTY_READONLY_PASS_BY_REF(varType, varName, funName) \
  protected: varType varName;                                        \
  public: virtual const varType& get##funName(void) const;

#define CC_PROPERTY(varType, varName, funName) \
  protected: varType varName;                   \
  public: virtual varType get##funName(void) const; \
  public: virtual void set##funName(varType var);

#define CC_PROPERTY_PASS_BY_REF(varType, varName, funName) \
  protected: varType varName;                               \
  public: virtual const varType& get##funName(void) const;  \
  public: virtual void set##funName(const varType& var);

#define CC_SYNTHESIZE_READONLY(varType, varName, funName) \
  protected: varType varName;                              \
  public: virtual varType get##funName(void) const { return varName; }

#define CC_SYNTHESIZE_READONLY_PASS_BY_REF(varType, varName, funName) \
  protected: varType varName;                                          \
  public: virtual const varType& get##funName(void) const { return varName; }

#define CC_SYNTHESIZE(varType, varName, funName)                         \
  protected: varType varName;                                             \
  public: virtual varType get##funName(void) const { return varName; }    \
  public: virtual void set##funName(varType var) { varName = var; }

#define CC_SYNTHESIZE_PASS_BY_REF(varType, varName, funName)                      \
  protected: varType varName;                                                      \
  public: virtual const varType& get##funName(void) const { return varName; }      \
  public: virtual void set##funName(const varType& var) { varName = var; }

#define CC_SYNTHESIZE_RETAIN(varType, varName, funName)                 \
  private: varType varName;                                              \
  public: virtual varType get##funName(void) const { return varName; }   \
  public: virtual void set##funName(varType var)                         \
  {                                                                      \
    if (varName != var)                                                  \
    {                                                                    \
      CC_SAFE_RETAIN(var);                                               \
      CC_SAFE_RELEASE(varName);                                          \
      varName = var;                                                     \
    }                                                                    \
  }

#define CC_SAFE_DELETE(p) do { delete (p); (p) = nullptr; } while (0)
#define CC_SAFE_DELETE_ARRAY(p) do { if (p) { delete[] (p); (p) = nullptr; } } while (0)
#define CC_SAFE_FREE(p) do { if (p) { free(p); (p) = nullptr; } } while (0)
#define CC_SAFE_RELEASE(p) do { if (p) { (p)->release(); } } while (0)
#define CC_SAFE_RELEASE_NULL(p) do { if (p) { (p)->release(); (p) = nullptr; } } while (0)
#define CC_SAFE_RETAIN(p) do { if (p) { (p)->retain(); } } while (0)
#define CC_BREAK_IF(cond) if (cond) break

#define __CCLOGWITHFUNCTION(s, ...) cocos2d::log("%s : %s", __FUNCTION__, cocos2d::StringUtils::format(s, ##__VA_ARGS__).c_str())

// Logging goes to the standard error stream in every build; CCLOGINFO and
// CCLOGWARN only when COCOS2D_DEBUG is above 1.
#define CCLOG(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#define CCLOGERROR(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#if defined(COCOS2D_DEBUG) && COCOS2D_DEBUG > 1
#define CCLOGINFO(format, ...) cocos2d::log(format, ##__VA_ARGS__)
#define CCLOGWARN(...) __CCLOGWITHFUNCTION(__VA_ARGS__)
#else
#define CCLOGINFO(format, ...) do {} while (0)
#define CCLOGWARN(...) do {} while (0)
#endif

#define CC_DISALLOW_COPY_AND_ASSIGN(TypeName) \
  TypeName(const TypeName&) = delete;         \
  TypeName& operator=(const TypeName&) = delete;

#define CC_DISALLOW_IMPLICIT_CONSTRUCTORS(TypeName) \
  TypeName();                                        \
  CC_DISALLOW_COPY_AND_ASSIGN(TypeName)

#if defined(__GNUC__)
#define CC_DEPRECATED_ATTRIBUTE __attribute__((deprecated))
#define CC_FORMAT_PRINTF(formatPos, argPos) __attribute__((__format__(printf, formatPos, argPos)))
#define CC_REQUIRES_NULL_TERMINATION __attribute__((sentinel))
#else
#define CC_DEPRECATED_ATTRIBUTE
#define CC_FORMAT_PRINTF(formatPos, argPos)
#define CC_REQUIRES_NULL_TERMINATION
#endif
#define CC_DEPRECATED(...)

#define CC_UNUSED __attribute__((unused))
#define CC_HOST_IS_BIG_ENDIAN (bool)(*(unsigned short*)"\0\xff" < 0x100)

// Callbacks bound to a member function; the placeholders stand for the
// callback's own arguments, extra arguments are bound after them.
#define CC_CALLBACK_0(__selector__, __target__, ...) std::bind(&__selector__, __target__, ##__VA_ARGS__)
#define CC_CALLBACK_1(__selector__, __target__, ...) std::bind(&__selector__, __target__, std::placeholders::_1, ##__VA_ARGS__)
#define CC_CALLBACK_2(__selector__, __target__, ...) std::bind(&__selector__, __target__, std::placeholders::_1, std::placeholders::_2, ##__VA_ARGS__)
#define CC_CALLBACK_3(__selector__, __target__, ...) std::bind(&__selector__, __target__, std::placeholders::_1, std::placeholders::_2, std::placeholders::_3, ##__VA_ARGS__)

#define CC_ENABLE_SCRIPT_BINDING 0

// Access of the constructors and init functions of engine classes: public,
// as in the engine's usual builds, so games may also "new" them directly.
#ifndef CC_CONSTRUCTOR_ACCESS
#define CC_CONSTRUCTOR_ACCESS public
#endif

#endif
