// The start-up registration of the chart object model: every class that a
// chart file can name, entered into the class registry before any chart is
// read. Each program calls it once, first thing.
#pragma once

namespace kel {

// Registers the classes of every model area, then the catalogue. Calling it
// again does nothing.
void RegisterModelClasses();

// The first step of RegisterModelClasses alone: the classes the model areas
// define, without the catalogue. For timing the two steps apart.
void RegisterModelAreaClasses();

}  // namespace kel
