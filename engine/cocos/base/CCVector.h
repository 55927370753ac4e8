#ifndef __CCVECTOR_H__
#define __CCVECTOR_H__

#include <algorithm>
#include <functional>
#include <type_traits>
#include <vector>
#include "base/ccMacros.h"
#include "base/CCRef.h"
#include "platform/CCStdC.h"

NS_CC_BEGIN

#define CC_INVALID_INDEX (-1)

// A std::vector of Ref-derived pointers that keeps one reference of each
// element it holds.
template<class T>
class Vector
{
public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;
    using reverse_iterator = typename std::vector<T>::reverse_iterator;
    using const_reverse_iterator = typename std::vector<T>::const_reverse_iterator;

    iterator begin() { return _data.begin(); }
    const_iterator begin() const { return _data.begin(); }
    iterator end() { return _data.end(); }
    const_iterator end() const { return _data.end(); }
    const_iterator cbegin() const { return _data.cbegin(); }
    const_iterator cend() const { return _data.cend(); }
    reverse_iterator rbegin() { return _data.rbegin(); }
    const_reverse_iterator rbegin() const { return _data.rbegin(); }
    reverse_iterator rend() { return _data.rend(); }
    const_reverse_iterator rend() const { return _data.rend(); }
    const_reverse_iterator crbegin() const { return _data.crbegin(); }
    const_reverse_iterator crend() const { return _data.crend(); }

    Vector()
    : _data()
    {
        static_assert(std::is_convertible<T, Ref*>::value, "Invalid Type for cocos2d::Vector<T>!");
    }

    explicit Vector(ssize_t capacity)
    : _data()
    {
        static_assert(std::is_convertible<T, Ref*>::value, "Invalid Type for cocos2d::Vector<T>!");
        reserve(capacity);
    }

    Vector(std::initializer_list<T> list)
    {
        for (auto& element : list)
            pushBack(element);
    }

    ~Vector()
    {
        clear();
    }

    Vector(const Vector<T>& other)
    {
        _data = other._data;
        addRefForAllObjects();
    }

    Vector(Vector<T>&& other)
    {
        _data = std::move(other._data);
    }

    Vector<T>& operator=(const Vector<T>& other)
    {
        if (this != &other)
        {
            // Retain first: the two may share elements.
            std::vector<T> copy = other._data;
            for (const auto& obj : copy)
                obj->retain();
            clear();
            _data = std::move(copy);
        }
        return *this;
    }

    Vector<T>& operator=(Vector<T>&& other)
    {
        if (this != &other)
        {
            clear();
            _data = std::move(other._data);
        }
        return *this;
    }

    void reserve(ssize_t n) { _data.reserve(n); }
    ssize_t capacity() const { return _data.capacity(); }
    ssize_t size() const { return _data.size(); }
    bool empty() const { return _data.empty(); }
    ssize_t max_size() const { return _data.max_size(); }

    ssize_t getIndex(T object) const
    {
        auto iter = std::find(_data.begin(), _data.end(), object);
        if (iter != _data.end())
            return iter - _data.begin();
        return -1;
    }

    const_iterator find(T object) const { return std::find(_data.begin(), _data.end(), object); }
    iterator find(T object) { return std::find(_data.begin(), _data.end(), object); }

    T at(ssize_t index) const
    {
        CCASSERT(index >= 0 && index < size(), "index out of range in getObjectAtIndex()");
        return _data[index];
    }

    T front() const { return _data.front(); }
    T back() const { return _data.back(); }

    T getRandomObject() const
    {
        if (!_data.empty())
        {
            ssize_t randIdx = RandomHelper::random_int<int>(0, static_cast<int>(_data.size()) - 1);
            return *(_data.begin() + randIdx);
        }
        return nullptr;
    }

    bool contains(T object) const
    {
        return (std::find(_data.begin(), _data.end(), object) != _data.end());
    }

    bool equals(const Vector<T>& other) const
    {
        ssize_t s = this->size();
        if (s != other.size())
            return false;
        for (ssize_t i = 0; i < s; i++)
        {
            if (this->at(i) != other.at(i))
                return false;
        }
        return true;
    }

    void pushBack(T object)
    {
        CCASSERT(object != nullptr, "The object should not be nullptr");
        if (object == nullptr)
            return;
        _data.push_back(object);
        object->retain();
    }

    void pushBack(const Vector<T>& other)
    {
        // Copy first: other may be this vector.
        std::vector<T> items = other._data;
        for (const auto& obj : items)
        {
            _data.push_back(obj);
            obj->retain();
        }
    }

    void insert(ssize_t index, T object)
    {
        CCASSERT(index >= 0 && index <= size(), "Invalid index!");
        CCASSERT(object != nullptr, "The object should not be nullptr");
        if (object == nullptr || index < 0 || index > size())
            return;
        _data.insert((std::begin(_data) + index), object);
        object->retain();
    }

    void popBack()
    {
        CCASSERT(!_data.empty(), "no objects added");
        if (_data.empty())
            return;
        auto last = _data.back();
        _data.pop_back();
        last->release();
    }

    void eraseObject(T object, bool removeAll = false)
    {
        CCASSERT(object != nullptr, "The object should not be nullptr");
        if (removeAll)
        {
            for (auto iter = _data.begin(); iter != _data.end();)
            {
                if ((*iter) == object)
                {
                    iter = _data.erase(iter);
                    object->release();
                }
                else
                {
                    ++iter;
                }
            }
        }
        else
        {
            auto iter = std::find(_data.begin(), _data.end(), object);
            if (iter != _data.end())
            {
                _data.erase(iter);
                object->release();
            }
        }
    }

    iterator erase(iterator position)
    {
        CCASSERT(position >= _data.begin() && position < _data.end(), "Invalid position!");
        T obj = *position;
        auto next = _data.erase(position);
        obj->release();
        return next;
    }

    iterator erase(iterator first, iterator last)
    {
        std::vector<T> removed(first, last);
        auto next = _data.erase(first, last);
        for (auto& obj : removed)
            obj->release();
        return next;
    }

    iterator erase(ssize_t index)
    {
        CCASSERT(!_data.empty() && index >= 0 && index < size(), "Invalid index!");
        return erase(_data.begin() + index);
    }

    void clear()
    {
        std::vector<T> old;
        old.swap(_data);
        for (auto& obj : old)
            obj->release();
    }

    void swap(T object1, T object2)
    {
        ssize_t idx1 = getIndex(object1);
        ssize_t idx2 = getIndex(object2);
        CCASSERT(idx1 >= 0 && idx2 >= 0, "invalid object index");
        if (idx1 >= 0 && idx2 >= 0)
            std::swap(_data[idx1], _data[idx2]);
    }

    void swap(ssize_t index1, ssize_t index2)
    {
        CCASSERT(index1 >= 0 && index1 < size() && index2 >= 0 && index2 < size(), "Invalid indices");
        std::swap(_data[index1], _data[index2]);
    }

    void replace(ssize_t index, T object)
    {
        CCASSERT(index >= 0 && index < size(), "Invalid index!");
        CCASSERT(object != nullptr, "The object should not be nullptr");
        if (object == nullptr || index < 0 || index >= size())
            return;
        object->retain();
        T old = _data[index];
        _data[index] = object;
        old->release();
    }

    void reverse() { std::reverse(std::begin(_data), std::end(_data)); }
    void shrinkToFit() { _data.shrink_to_fit(); }

protected:
    void addRefForAllObjects()
    {
        for (const auto& obj : _data)
            obj->retain();
    }

    std::vector<T> _data;
};

NS_CC_END

#endif
