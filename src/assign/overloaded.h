#pragma once

// One visitor for std::visit made of several lambdas, one per alternative.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// Spelled out for compilers that do not yet deduce aggregate arguments (clang before 17).
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;
