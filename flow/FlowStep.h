#pragma once
// A step of the flow handed to the frame to run: a reference to the caller's callable, which lives
// until the step is over. Commands and timer steps come for every card, and a step held by value
// (with the window message it answers) would be allocated each time.

#include <concepts>
#include <memory>
#include <type_traits>

class FlowStep {
public:
    template <class Step>
        requires(!std::same_as<std::remove_cvref_t<Step>, FlowStep> && std::invocable<Step&>)
    FlowStep(Step&& step)  // NOLINT(google-explicit-constructor): a lambda is a step as it stands
        : object_(const_cast<void*>(static_cast<const void*>(std::addressof(step)))),
          run_([](void* object) { (*static_cast<std::remove_reference_t<Step>*>(object))(); }) {}

    void operator()() const { run_(object_); }

private:
    void* object_;
    void (*run_)(void*);
};
