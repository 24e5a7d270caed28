// An object that is built before any code runs and never destroyed, for what a thread may
// still use while the process exits.
#pragma once

// A union runs no member's destructor of its own accord, and the empty one here adds none.
// The constructor is constexpr, so a static one is ready before any dynamic initialisation.
template <class T>
union NeverDestroyed {
    T object;

    constexpr NeverDestroyed() : object() {}
    ~NeverDestroyed() {}
};
