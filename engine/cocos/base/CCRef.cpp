#include "base/CCRef.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCConsole.h"

NS_CC_BEGIN

Ref::Ref()
: _referenceCount(1)
{
}

Ref::~Ref()
{
}

void Ref::retain()
{
    ++_referenceCount;
}

void Ref::release()
{
    if (_referenceCount == 0)
    {
        // Releasing a dead object would delete it twice; refuse instead.
        log("Ref::release: reference count is already 0 (object %p)", static_cast<void*>(this));
        return;
    }
    --_referenceCount;
    if (_referenceCount == 0)
        delete this;
}

Ref* Ref::autorelease()
{
    PoolManager::getInstance()->getCurrentPool()->addObject(this);
    return this;
}

unsigned int Ref::getReferenceCount() const
{
    return _referenceCount;
}

NS_CC_END
