#ifndef __CCINTEGER_H__
#define __CCINTEGER_H__

#include "base/CCRef.h"

NS_CC_BEGIN

// Reference-counted numbers and booleans (the engine's older object types).
class CC_DLL __Integer : public Ref, public Clonable
{
public:
    static __Integer* create(int v)
    {
        __Integer* pRet = new (std::nothrow) __Integer(v);
        if (pRet)
            pRet->autorelease();
        return pRet;
    }
    __Integer(int v) : _value(v) {}
    int getValue() const { return _value; }
    virtual __Integer* clone() const override { return __Integer::create(_value); }

private:
    int _value;
};

class CC_DLL __Float : public Ref, public Clonable
{
public:
    static __Float* create(float v)
    {
        __Float* pRet = new (std::nothrow) __Float(v);
        if (pRet)
            pRet->autorelease();
        return pRet;
    }
    __Float(float v) : _value(v) {}
    float getValue() const { return _value; }
    virtual __Float* clone() const override { return __Float::create(_value); }

private:
    float _value;
};

class CC_DLL __Double : public Ref, public Clonable
{
public:
    static __Double* create(double v)
    {
        __Double* pRet = new (std::nothrow) __Double(v);
        if (pRet)
            pRet->autorelease();
        return pRet;
    }
    __Double(double v) : _value(v) {}
    double getValue() const { return _value; }
    virtual __Double* clone() const override { return __Double::create(_value); }

private:
    double _value;
};

class CC_DLL __Bool : public Ref, public Clonable
{
public:
    static __Bool* create(bool v)
    {
        __Bool* pRet = new (std::nothrow) __Bool(v);
        if (pRet)
            pRet->autorelease();
        return pRet;
    }
    __Bool(bool v) : _value(v) {}
    bool getValue() const { return _value; }
    virtual __Bool* clone() const override { return __Bool::create(_value); }

private:
    bool _value;
};

NS_CC_END

#endif
