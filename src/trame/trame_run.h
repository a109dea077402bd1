#pragma once

namespace quarnel::trame {

// The whole command: 0 on success, 1 for bad input, 2 for a usage error; every error is
// written in French on standard error and leaves no file behind.
int run(int argc, char** argv);

} // namespace quarnel::trame
