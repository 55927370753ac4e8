// Listeners that hand a widget's input to its own member functions, with
// scene-graph priority on the widget.
#pragma once

#include "cocos2d.h"

// Touches one by one, to the four phase handlers (by default the widget's
// OnTouchBegan, OnTouchMoved, OnTouchEnded and OnTouchCancel).
template <class Widget>
cocos2d::EventListenerTouchOneByOne* ListenToTouches(
    Widget* widget, bool swallow,
    bool (Widget::*began)(cocos2d::Touch*, cocos2d::Event*) = &Widget::OnTouchBegan,
    void (Widget::*moved)(cocos2d::Touch*, cocos2d::Event*) = &Widget::OnTouchMoved,
    void (Widget::*ended)(cocos2d::Touch*, cocos2d::Event*) = &Widget::OnTouchEnded,
    void (Widget::*cancelled)(cocos2d::Touch*, cocos2d::Event*) = &Widget::OnTouchCancel)
{
    cocos2d::EventListenerTouchOneByOne* listener = cocos2d::EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(swallow);
    listener->onTouchBegan = [widget, began](cocos2d::Touch* t, cocos2d::Event* e) { return (widget->*began)(t, e); };
    listener->onTouchMoved = [widget, moved](cocos2d::Touch* t, cocos2d::Event* e) { (widget->*moved)(t, e); };
    listener->onTouchEnded = [widget, ended](cocos2d::Touch* t, cocos2d::Event* e) { (widget->*ended)(t, e); };
    listener->onTouchCancelled = [widget, cancelled](cocos2d::Touch* t, cocos2d::Event* e) {
        (widget->*cancelled)(t, e);
    };
    widget->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, widget);
    return listener;
}

// Mouse moves, to the widget's OnMouseMove.
template <class Widget>
cocos2d::EventListenerMouse* ListenToMouseMoves(Widget* widget)
{
    cocos2d::EventListenerMouse* listener = cocos2d::EventListenerMouse::create();
    listener->onMouseMove = [widget](cocos2d::EventMouse* event) { widget->OnMouseMove(event); };
    widget->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, widget);
    return listener;
}
