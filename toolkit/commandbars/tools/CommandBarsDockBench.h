// commandbars_bench's case of a frame laid out with its dock bars.
#pragma once

/// Prints the cost of resizing a frame with ten docked tool bars.
void RunDockLayoutBench(int nRounds);
