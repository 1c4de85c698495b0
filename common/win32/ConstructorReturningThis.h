#pragma once
// MSVC's constructors return `this`, and a caller compiled by MSVC may use
// that result (placement new can return it straight away); GCC's return
// nothing. Construct is a member function whose `this` is the storage, with
// the constructor's parameters: it constructs T there and returns it, which is
// the MSVC constructor's contract on both x86 (thiscall) and x64. A library
// defines the specialisation it needs and exports it under the MSVC name of
// T's constructor. Declared only, so that a reference to it stays a call.
namespace common {

template <class T>
class ConstructorReturningThis {
 public:
  template <class... Args>
  T* Construct(Args... args) noexcept;
};

}  // namespace common
