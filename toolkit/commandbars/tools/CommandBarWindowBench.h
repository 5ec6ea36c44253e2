// The bar window's cases of commandbars_bench.
#pragma once

/// Prints the idle update and the painting of a bar against their
/// baselines; needs the global paint manager to exist.
void RunCommandBarWindowBench(int nRounds);
