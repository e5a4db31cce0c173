#pragma once
// The process-wide objects of the layers below the engine: the file
// channels, the resolver contexts, the random generator and the like. Each is
// owned by one ProcessObject, held by the engine state (app/EngineState) for
// the whole life of the process, or by a test or tool of its own; while it
// exists, the layer's code reaches it through Registered<T>(). There is never
// more than one of a kind.

#include <utility>

namespace vdr {

template <typename T>
inline T* registeredObject = nullptr;

// Ends the process with a message about the object named: a layer needed it
// where none exists, or a second one was made.
[[noreturn]] void ProcessObjectFault(const char* problem, const char* name);

// The registered object of that kind.
template <typename T>
T& Registered() {
  if (registeredObject<T> == nullptr) ProcessObjectFault("no owner made", T::kProcessObjectName);
  return *registeredObject<T>;
}

template <typename T>
bool IsRegistered() {
  return registeredObject<T> != nullptr;
}

// Owns the object and registers it from construction to destruction.
template <typename T>
class ProcessObject {
 public:
  template <typename... Args>
  explicit ProcessObject(Args&&... args) : object_(std::forward<Args>(args)...) {
    if (registeredObject<T> != nullptr) ProcessObjectFault("a second owner made", T::kProcessObjectName);
    registeredObject<T> = &object_;
  }
  ~ProcessObject() { registeredObject<T> = nullptr; }
  ProcessObject(const ProcessObject&) = delete;
  ProcessObject& operator=(const ProcessObject&) = delete;

  T& operator*() { return object_; }
  T* operator->() { return &object_; }

 private:
  T object_;
};

}  // namespace vdr
