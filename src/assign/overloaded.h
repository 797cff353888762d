#pragma once

// One visitor for std::visit made of several lambdas, one per alternative.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
