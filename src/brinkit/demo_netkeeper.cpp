// The demo's netkeeper step.
#include "brinkit/demo_steps.hpp"

namespace brinkit {

base::Result<DemoRows> demoNetkeeper(const std::filesystem::path&) { return DemoRows{}; }

}  // namespace brinkit
