// The start-up registration of the chart object model: every class that a
// chart file can name, entered into the class registry before any chart is
// read. Each program calls it once, first thing.
#pragma once

namespace kel {

// Registers the classes of every model area. Calling it again does nothing.
void RegisterModelClasses();

}  // namespace kel
