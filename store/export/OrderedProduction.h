// Producing numbered pieces of a document on every core while they are used
// in order on the calling thread.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kel {

// Calls produce(k, text) for k = 0..count-1, on the calling thread and on
// helper threads, each into an emptied text, and consume(text) for each
// piece in order of k on the calling thread. At most a few pieces wait to be
// consumed at any time; their texts are taken from `texts`, which keeps them
// for the next call, so that their memory is used again. The first exception
// of either function ends the work and is raised again here, after the
// helpers have stopped.
void ProduceInOrder(int count,
                    const std::function<void(int, std::u16string&)>& produce,
                    const std::function<void(std::u16string&)>& consume,
                    std::vector<std::u16string>& texts);

}  // namespace kel
