// Framework-internal callbacks: an abstract callback and its template bound to an object and
// one of its member functions without arguments. The bound object is not owned.
#pragma once

namespace qor {
namespace utils {

class Callback
{
public:
  virtual ~Callback() = default;
  virtual void execute() = 0;
  virtual Callback* clone() const = 0;
};

template <typename T>
class __Callback : public Callback
{
public:
  using Method = void (T::*)();
  using ConstMethod = void (T::*)() const;

  __Callback(T* object, Method method) : object(object), method(method) {}
  __Callback(T* object, ConstMethod constMethod) : object(object), constMethod(constMethod) {}

  void execute() override
  {
    if (!object)
      return;
    if (method)
      (object->*method)();
    else if (constMethod)
      (object->*constMethod)();
  }
  Callback* clone() const override { return new __Callback(*this); }

private:
  T* object = nullptr;
  Method method = nullptr;
  ConstMethod constMethod = nullptr;
};

}  // namespace utils
}  // namespace qor
