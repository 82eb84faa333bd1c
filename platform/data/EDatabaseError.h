#pragma once

#include <stdexcept>

namespace db {

// Every failure of the dataset layer: a store that cannot be opened, a statement
// the engine refuses, a row that is gone, a dataset used in the wrong state.
// The message names what failed and, for engine errors, carries the engine's own
// message and the statement.
class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace db
