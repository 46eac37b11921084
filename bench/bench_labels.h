#pragma once
// Labels that tie each benchmark to the raw pixel-write loop it is compared with.
namespace curvana::bench {

// One curve of 30,600 dots of width 2: the size of a line or hyperbola click.
inline constexpr const char* kDefaultBaseline = "30600x2";

} // namespace curvana::bench
