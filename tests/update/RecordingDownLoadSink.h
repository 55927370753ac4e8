// A download sink that writes down what it is told, for the tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "IDownLoadSink.h"

class RecordingDownLoadSink : public IDownLoadSink {
public:
  void Release() override {}
  void* QueryInterface(const GUID& iid, uint32_t version) override {
    ++queries;
    return QueryUnknownBase(static_cast<IDownLoadSink*>(this), IID_IDownLoadSink, iid, version);
  }
  bool OnDownLoadError(uint32_t code) override {
    events.push_back("error " + std::to_string(code));
    if (onEnd) onEnd();
    return true;
  }
  bool OnDownLoadStatus(uint32_t kind) override {
    events.push_back("status " + std::to_string(kind));
    if (kind == 2 && onEnd) onEnd();
    return true;
  }
  bool OnDownLoadData(const BYTE* data, uint16_t length) override {
    body.append(reinterpret_cast<const char*>(data), length);
    return true;
  }
  bool OnDownLoadBegin(bool resumed, uint64_t length, LPCWSTR etag, LPCWSTR path) override {
    events.push_back(std::string("begin ") + (resumed ? "resumed " : "whole ") + std::to_string(length));
    this->etag = etag;
    this->path = path;
    return true;
  }
  bool Ended() const {
    return !events.empty() && (events.back() == "status 2" || events.back().rfind("error", 0) == 0);
  }

  std::vector<std::string> events;
  std::string body;
  std::wstring etag, path;
  int queries = 0;
  std::function<void()> onEnd;
};
